#pragma once

#include <QAbstractTableModel>
#include <QStringList>

// The editor's table: one row per lesson line, kept exactly as read. The two columns show the
// text before the first ";" and the text between the first and a second ";"; the row itself
// never changes for the display. The model also holds the selected row (-1: none), which the
// view follows.
class TEditorModell : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit TEditorModell(QObject* eltern = nullptr);

    int rowCount(const QModelIndex& eltern = {}) const override;
    int columnCount(const QModelIndex& eltern = {}) const override;
    QVariant data(const QModelIndex& index, int rolle = Qt::DisplayRole) const override;
    QVariant headerData(int abschnitt, Qt::Orientation richtung,
                        int rolle = Qt::DisplayRole) const override;

    // The two columns of one row as the table shows them.
    static QString antwortSpalte(const QString& zeile);
    static QString aufgabenSpalte(const QString& zeile);

    const QStringList& zeilen() const { return m_zeilen; }
    qsizetype anzahl() const { return m_zeilen.size(); }
    const QString& zeile(qsizetype i) const { return m_zeilen.at(i); }

    void setzeZeilen(const QStringList& zeilen);
    void ersetzen(qsizetype i, const QString& zeile);
    void einfuegen(qsizetype i, const QString& zeile);
    void entfernen(qsizetype i);
    // Rows i and i + 1 change places.
    void tauschen(qsizetype i);

    int auswahl() const { return m_auswahl; }
    bool hatAuswahl() const { return m_auswahl >= 0 && m_auswahl < m_zeilen.size(); }
    void setzeAuswahl(int zeile);

    void setzeAufgabenUeberschrift(const QString& text);

signals:
    void auswahlGeaendert(int zeile);

private:
    QStringList m_zeilen;
    int m_auswahl = -1;
    QString m_aufgabenUeberschrift = QStringLiteral("Aufgabe");
};
