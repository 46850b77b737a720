#include "platform/WindowRegistry.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSaveFile>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <unistd.h>

namespace {

bool prozessLebt(qint64 pid) {
    if (pid <= 0)
        return false;
    return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
}

std::atomic<int> zaehler{0};

} // namespace

QString WindowRegistry::ordner() {
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    const QString basis =
        runtime.isEmpty()
            ? QDir::tempPath() + QStringLiteral("/kelvora-fenster-") + QString::number(::getuid())
            : runtime + QStringLiteral("/kelvora-fenster");
    QDir().mkpath(basis);
    return basis;
}

std::vector<WindowRegistry::Fenster> WindowRegistry::alle() {
    std::vector<Fenster> out;
    QDir dir(ordner());
    const QStringList namen = dir.entryList({QStringLiteral("*.fenster")}, QDir::Files, QDir::Name);
    for (const QString& name : namen) {
        const qint64 pid = name.section(QLatin1Char('-'), 0, 0).toLongLong();
        if (!prozessLebt(pid))
            continue;
        QFile f(dir.filePath(name));
        if (!f.open(QIODevice::ReadOnly))
            continue;
        const QStringList zeilen = QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'));
        Fenster fenster;
        fenster.pid = pid;
        fenster.titel = zeilen.value(0);
        fenster.klasse = zeilen.value(1);
        out.push_back(fenster);
    }
    return out;
}

std::optional<WindowRegistry::Fenster> WindowRegistry::findfenster(const QString& titelTeil) {
    const QString gesucht = titelTeil.toUpper();
    for (const Fenster& f : alle())
        if (f.titel.toUpper().contains(gesucht))
            return f;
    return std::nullopt;
}

bool WindowRegistry::klasseVorhanden(const QString& klasse) {
    for (const Fenster& f : alle())
        if (f.klasse == klasse)
            return true;
    return false;
}

WindowRegistry::Eintrag::Eintrag(const QString& titel, const QString& klasse)
    : titel_(titel), klasse_(klasse) {
    datei_ = ordner() + QLatin1Char('/') + QString::number(QCoreApplication::applicationPid()) +
             QLatin1Char('-') + QString::number(zaehler++) + QStringLiteral(".fenster");
    schreiben();
}

WindowRegistry::Eintrag::~Eintrag() {
    QFile::remove(datei_);
}

void WindowRegistry::Eintrag::setTitel(const QString& titel) {
    titel_ = titel;
    schreiben();
}

void WindowRegistry::Eintrag::schreiben() {
    QSaveFile f(datei_);
    if (!f.open(QIODevice::WriteOnly))
        return;
    f.write((titel_ + QLatin1Char('\n') + klasse_ + QLatin1Char('\n')).toUtf8());
    f.commit();
}
