#include "datenbank/Arbeitsordner.h"

#include "platform/Files.h"

#include <QCoreApplication>
#include <QDir>

#include <atomic>

Arbeitsordner::Arbeitsordner(QString pfad, Dateisperre sperre)
    : pfad_(std::move(pfad)), sperre_(std::move(sperre)) {}

std::unique_ptr<Arbeitsordner> Arbeitsordner::anlegen(const Programmordner& ordner,
                                                      const QString& art) {
    static std::atomic<int> zaehler{0};
    const QString kennung = art + QLatin1Char('_') +
                            QString::number(QCoreApplication::applicationPid()) + QLatin1Char('_');
    // A folder left by an earlier process with the same number is skipped, never reused.
    for (int versuch = 0; versuch < 1000; ++versuch) {
        const QString pfad = ordner.temp(kennung + QString::number(++zaehler)) + QLatin1Char('\\');
        if (Files::ordnerExistiert(pfad))
            continue;
        if (!Files::ordnerAnlegen(pfad))
            return nullptr;
        // Emptying Temp may hold the new folder's lock or have removed the folder before the
        // lock was ours: then the next number is tried.
        Dateisperre sperre;
        if (!sperre.nehmen(pfad + sperrName()))
            continue;
        return std::unique_ptr<Arbeitsordner>(new Arbeitsordner(pfad, std::move(sperre)));
    }
    return nullptr;
}

Arbeitsordner::~Arbeitsordner() {
    const QString nativ = Files::nativ(pfad_);
    sperre_.freigeben();
    if (!nativ.isEmpty())
        QDir(nativ).removeRecursively();
}
