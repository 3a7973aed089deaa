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
    std::unique_ptr<TLaufDaten> lauf;
    std::unique_ptr<TOptionenModell> optionen;
    std::unique_ptr<TLernTrainer> t;

    void anlegen() {
        ordner = std::make_unique<QTemporaryDir>();
        p = std::make_unique<TFakePlattform>();
        a = std::make_unique<TFakeAnsicht>();
        lauf = std::make_unique<TLaufDaten>();
        optionen = std::make_unique<TOptionenModell>();
        t = std::make_unique<TLernTrainer>(*a, *a, p->plattform(), *lauf, *optionen);
        lauf->Verzeichnisse.Programm = ordner->path() + QStringLiteral("/programm/");
        lauf->Verzeichnisse.Daten = ordner->path() + QLatin1Char('/');
        lauf->Verzeichnisse.Lektion = lauf->Verzeichnisse.Daten;
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
