#pragma once

#include "TFakeDialoge.h"
#include "TFakePlattform.h"
#include "TTestDateien.h"
#include "lessons/TLernTrainer.h"
#include "lessons/ui/TTrainerSeite.h"
#include "shell/ui/TForm1.h"

#include <QAction>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

// The main window on fakes and a temporary directory, fresh for every test function. A window
// test derives from it next to QObject and calls `anlegen` in init and `abbauen` in cleanup.
class TFensterUmgebung {
protected:
    std::unique_ptr<QTemporaryDir> ordner;
    std::unique_ptr<TFakePlattform> p;
    std::unique_ptr<TFakeDialoge> d;
    std::unique_ptr<TForm1> f;

    void anlegen() {
        ordner = std::make_unique<QTemporaryDir>();
        p = std::make_unique<TFakePlattform>();
        d = std::make_unique<TFakeDialoge>();
    }
    // Every box a test caused must have been looked at.
    bool abbauen() {
        const bool leer = p->meldungen.leer();
        if (!leer)
            qWarning("box left: %s", qPrintable(p->meldungen.offen().value(0).text));
        f.reset();
        return leer;
    }
    // A window without the start-up and off screen.
    void bauen() { f = std::make_unique<TForm1>(p->plattform(), *d); }
    // A window without the start-up, its data in the temporary directory, on screen.
    bool oeffnen() {
        bauen();
        TLaufDaten& lauf = f->lauf();
        lauf.Verzeichnisse.Daten = ordner->path() + QLatin1Char('/');
        lauf.Verzeichnisse.Lektion = lauf.Verzeichnisse.Daten;
        f->show();
        return QTest::qWaitForWindowExposed(f.get());
    }
    // The start-up with the temporary directory as program directory; `name` answers the name
    // prompt (a null string cancels it), and the prompt stays for the test to read.
    void starten(const QString& name = QString()) {
        bauen();
        p->meldungen.eingaben.enqueue(name);
        f->FormCreate(ordner->path() + QLatin1Char('/'), false, {}, {});
    }
    // The same, with the prompt taken.
    void gestartet() {
        starten();
        p->meldungen.nimm();
    }

    QString pfad(const char* name) const { return ordner->filePath(QString::fromUtf8(name)); }
    template <typename T = QWidget> T* kind(const char* name) const {
        T* w = f->findChild<T*>(QString::fromLatin1(name));
        if (!w)
            qFatal("missing control %s", name);
        return w;
    }
    QLineEdit* antwort() const { return kind<QLineEdit>("AntwortEdit"); }
    // Writes the lesson and opens it through the (scripted) open dialog.
    void laden(const QByteArray& inhalt, const QString& name = QStringLiteral("l.txt")) {
        p->meldungen.dateien.enqueue(schreibeDatei(*ordner, name, inhalt));
        f->aktion(QStringLiteral("Lektionladen"))->trigger();
        p->meldungen.nimm();
    }
    // Non-ASCII text has to be sent one key event at a time.
    void tippen(const QString& text) {
        for (QChar c : text)
            QTest::keyClick(antwort(), c.toLatin1() ? c.toLatin1() : 'x');
    }
};
