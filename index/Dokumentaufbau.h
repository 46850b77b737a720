#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>

class Pump;

// Builds a database document from its records in the job's own folder: per file three
// blank lines, "#" + path, a rule line and the converter's text, collected in memory and
// written in pieces of about 2,000,000 bytes of text, which are joined at the end. The
// title positions come from the same pass: the offset of every header line as it is
// written, so text inside a PDF can never pose as a header.
class Dokumentaufbau {
public:
    static constexpr qint64 Stueckgroesse = 2000000;

    // arbeitsordner: the job's folder, Windows form ending in "\"; titel: the main window's
    // title while pieces are joined.
    Dokumentaufbau(const QString& arbeitsordner, const QString& name,
                   std::function<void(const QString&)> titel = {});

    // Adds one file's record; an empty text adds no text line. False when a piece could not
    // be written (fehlerdatei() names it).
    bool eintrag(const QString& pfad, const QByteArray& text);
    // Writes the rest and joins the pieces into dokument(). False on a failed write.
    bool abschliessen(Pump& pump);

    // The finished document in the job's folder.
    QString dokument() const;
    // One line per record: the byte offset of its header line, a blank and the header line
    // with each byte as its Windows-1252 character, as the title position index holds it.
    const QStringList& titelzeilen() const { return titelzeilen_; }
    QString fehlerdatei() const { return fehlerdatei_; }
    int teilzaehler() const { return k_; }
    bool teileGeschrieben() const { return k_ > 0; }
    // "#" + path, characters Windows-1252 cannot hold as "?", in UTF-8.
    static QByteArray kopfzeile(const QString& pfad);

private:
    QString teil(int k) const;
    // The same below the native folder, so that no file name goes through the drive map.
    QString nativ(const QString& windowsPfad) const;
    bool teilSchreiben();
    void hinzufuegen(const QByteArray& zeile);

    QString arbeitsordner_;
    QString nativerOrdner_;
    QString name_;
    std::function<void(const QString&)> titel_;
    QByteArray liste_;
    qint64 stapel_ = 0;
    qint64 geschrieben_ = 0;
    int k_ = 0;
    QStringList titelzeilen_;
    QString fehlerdatei_;
};
