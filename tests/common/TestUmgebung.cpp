#include "tests/common/TestUmgebung.h"

#include "platform/DriveMap.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

#include <unistd.h>

void Umgebung::SetUp() {
    ASSERT_TRUE(tmp_.isValid());
    QDir(tmp_.path()).mkpath("config");
    QDir(tmp_.path()).mkpath("runtime");
    QDir(tmp_.path()).mkpath("prog");
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(tmp_.filePath("config")));
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(tmp_.filePath("runtime")));
    // Qt reads XDG_CONFIG_HOME only once per process; point it at this test's folder.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, tmp_.filePath("config"));
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, tmp_.filePath("config"));
    programmNativ_ = tmp_.filePath("prog");
    DriveMap::global() = DriveMap();
    DriveMap::global().setzeWurzel(QLatin1Char('T'), programmNativ_);
}

void Umgebung::TearDown() {
    DriveMap::global() = DriveMap();
}

QString Umgebung::nativ(const QString& relativ) const {
    QString r = relativ;
    r.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return r.isEmpty() ? programmNativ_ : programmNativ_ + QLatin1Char('/') + r;
}

QString Umgebung::win(const QString& relativ) const {
    QString r = relativ;
    r.replace(QLatin1Char('/'), QLatin1Char('\\'));
    return QStringLiteral("T:\\") + r;
}

void Umgebung::schreibe(const QString& relativ, const QByteArray& inhalt) const {
    const QString pfad = nativ(relativ);
    QDir().mkpath(QFileInfo(pfad).path());
    QFile f(pfad);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(inhalt);
}

QByteArray Umgebung::lies(const QString& relativ) const {
    QFile f(nativ(relativ));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

bool Umgebung::gibt(const QString& relativ) const {
    return QFileInfo::exists(nativ(relativ));
}

Umgebungswert::Umgebungswert(const char* name, const QByteArray& wert)
    : name_(name), alt_(qgetenv(name)), hatte_(qEnvironmentVariableIsSet(name)) {
    qputenv(name, wert);
}

Umgebungswert::~Umgebungswert() {
    if (hatte_)
        qputenv(name_, alt_);
    else
        qunsetenv(name_);
}

QList<qint64> kindprozesse(const QByteArray& name) {
    QList<qint64> kinder;
    for (const QString& eintrag : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        bool zahl = false;
        const qint64 pid = eintrag.toLongLong(&zahl);
        QFile stat(QStringLiteral("/proc/") + eintrag + QStringLiteral("/stat"));
        if (!zahl || !stat.open(QIODevice::ReadOnly))
            continue;
        // "pid (name) state ppid ..."
        const QByteArray s = stat.readAll();
        const qsizetype auf = s.indexOf('('), zu = s.lastIndexOf(')');
        const QList<QByteArray> rest = s.mid(zu + 2).split(' ');
        if (s.mid(auf + 1, zu - auf - 1) == name && rest.size() > 1 &&
            rest.at(1).toLongLong() == getpid())
            kinder << pid;
    }
    return kinder;
}
