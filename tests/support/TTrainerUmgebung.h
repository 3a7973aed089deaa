#pragma once

#include "TFakeAnsicht.h"
#include "TFakePlattform.h"
#include "TTestDateien.h"
#include "lessons/TLernTrainer.h"

#include <QTemporaryDir>
#include <memory>

// A practice without widgets on a temporary directory, fresh for every test function.
struct TTrainerUmgebung {
    std::unique_ptr<QTemporaryDir> ordner;
    std::unique_ptr<TFakePlattform> p;
    std::unique_ptr<TFakeAnsicht> a;
    std::unique_ptr<TLernTrainer> t;

    void anlegen() {
        ordner = std::make_unique<QTemporaryDir>();
        p = std::make_unique<TFakePlattform>();
        a = std::make_unique<TFakeAnsicht>();
        t = std::make_unique<TLernTrainer>(*a, p->plattform());
        t->ProgrammVerzeichnis = ordner->path() + QStringLiteral("/programm/");
        t->DatenVerzeichnis = ordner->path() + QLatin1Char('/');
        t->LektionsVerzeichnis = t->DatenVerzeichnis;
    }
    // Writes the lesson and opens it through the (scripted) open dialog.
    QString laden(const QByteArray& inhalt, const QString& name = QStringLiteral("lektion.txt")) {
        const QString pfad = schreibeDatei(*ordner, name, inhalt);
        p->meldungen.dateien.enqueue(pfad);
        t->LektionladenClick();
        p->meldungen.nimm(); // the open dialog
        return pfad;
    }
    QString box() { return p->meldungen.nimm().text; }
    QString offeneBox() const { return p->meldungen.offen().value(0).text; }
};
