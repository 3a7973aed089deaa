#pragma once

#include <QWidget>

// One character tile: 32 x 32, white, black frame, its caption centred and turned
// counter-clockwise by its angle.
class TZeichenfeld : public QWidget {
    Q_OBJECT
public:
    TZeichenfeld(int nummer, QWidget* eltern);

    int nummer() const { return m_nummer; }
    QString text() const { return m_text; }
    void setzeText(const QString& text);
    int winkel() const { return m_winkel; }
    void setzeWinkel(int winkel);
    QColor hintergrund() const { return m_hintergrund; }
    void setzeHintergrund(const QColor& farbe);

signals:
    void geklickt(TZeichenfeld* feld);
    // Any mouse button going down, before a click or a context menu.
    void gedrueckt(TZeichenfeld* feld);
    void kontextmenue(TZeichenfeld* feld, const QPoint& globalePosition);

protected:
    void paintEvent(QPaintEvent* ereignis) override;
    void mousePressEvent(QMouseEvent* ereignis) override;
    void mouseReleaseEvent(QMouseEvent* ereignis) override;
    void contextMenuEvent(QContextMenuEvent* ereignis) override;
    void keyPressEvent(QKeyEvent* ereignis) override;
    void focusInEvent(QFocusEvent*) override { update(); }
    void focusOutEvent(QFocusEvent*) override { update(); }

private:
    int m_nummer;
    QString m_text;
    int m_winkel = 0;
    QColor m_hintergrund = Qt::white;
};
