#pragma once

#include <QByteArray>
#include <QString>

#include <utility>

// An initialisation file read the way the platform's profile function reads it for a
// program in the ANSI code page: "[Abschnitt]" lines open a section, "Schluessel=Wert"
// lines hold values; names compare without regard to letter case, blanks around names
// and values do not count, one pair of enclosing quotes is dropped, and a value is cut to
// one character less than the caller's buffer. The text is Windows-1252.
class Profildatei {
public:
    static constexpr int Puffergroesse = 255;

    explicit Profildatei(QByteArray inhalt = QByteArray()) : inhalt_(std::move(inhalt)) {}
    // The file at the Windows path; a missing file reads like an empty one.
    static Profildatei laden(const QString& pfad);

    // The first matching key of the first matching section, or the default when there is
    // none; at most puffer - 1 characters.
    QString GetPrivateProfileString(const QString& abschnitt, const QString& schluessel,
                                    const QString& vorgabe = QString(),
                                    int puffer = Puffergroesse) const;

private:
    QByteArray inhalt_;
};
