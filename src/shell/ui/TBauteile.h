#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

class QFrame;
class QGroupBox;
class QLabel;
class QObject;
class QValidator;
class QWidget;

// The few control kinds the main window and its pages are built from, at designed positions.
class TBauteile {
public:
    // A dialog of fixed size with a title and only a close button: no minimise, no maximise.
    static constexpr Qt::WindowFlags kFesterDialog =
        Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
        Qt::MSWindowsFixedSizeDialogHint;
    // The title of a dialog that shows none; an empty one would make the platform show the
    // application's name.
    static QString leererTitel() { return QStringLiteral(" "); }

    static const QColor kNavy;
    static const QColor kBlau;
    static const QColor kRot;

    // Lets through only what the code page can store: the text ends up in a Windows-1252 file.
    static QValidator* ansiPruefer(QObject* eltern);
    static QFont schrift(const QString& familie, int pixel, bool fett = false);
    static void faerben(QWidget* w, const QColor& text);
    static QLabel* etikett(QWidget* eltern, const char* name, const QString& text, const QRect& ort,
                           const QFont& f, const QColor& farbe = Qt::black);
    // A filled blue line.
    static QFrame* linie(QWidget* eltern, const char* name, const QRect& ort);
    static QFrame* rahmen(QWidget* eltern, const char* name, const QRect& ort);
    static QGroupBox* gruppe(QWidget* eltern, const char* name, const QString& titel,
                             const QRect& ort);
    // A centred label that fills its group box below the title.
    static QLabel* fuellLabel(QGroupBox* g, const char* name, const QString& hinweis);
};
