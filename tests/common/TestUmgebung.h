#pragma once

#include "platform/SettingsStore.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <ostream>

#include <gtest/gtest.h>

#include <utility>
#include <vector>

// A settings store in memory that remembers every write in order.
class SpeicherEinstellungen : public SettingsStore {
public:
    QString LeseRegKey(const QString& name) const override { return werte.value(name); }
    void SchreibeRegKey(const QString& name, const QString& text) override {
        werte.insert(name, text);
        schreibvorgaenge.emplace_back(name, text);
    }

    QHash<QString, QString> werte;
    std::vector<std::pair<QString, QString>> schreibvorgaenge;
};

// Every test runs in a fresh world: its own config and runtime folders, and a program
// folder mapped to drive letter T: so that Windows paths of the program work.
class Umgebung : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Native path of the program folder and of files below it.
    QString nativ(const QString& relativ = QString()) const;
    // "T:\" + relative path with backslashes.
    QString win(const QString& relativ = QString()) const;
    // Writes bytes to a native file below the program folder, creating folders.
    void schreibe(const QString& relativ, const QByteArray& inhalt) const;
    QByteArray lies(const QString& relativ) const;
    bool gibt(const QString& relativ) const;

    QTemporaryDir tmp_;
    QString programmNativ_;
};

// UTF-16 little-endian bytes spelled out one by one, with the byte-order mark FF FE unless
// told otherwise: the expected bytes of the files the program writes.
inline QByteArray utf16le(const QString& text, bool mitMarke = true) {
    QByteArray out = mitMarke ? QByteArray("\xFF\xFE", 2) : QByteArray();
    for (const QChar c : text) {
        out.append(static_cast<char>(c.unicode() & 0xFF));
        out.append(static_cast<char>(c.unicode() >> 8));
    }
    return out;
}

// Sets an environment variable for the life of the object.
class Umgebungswert {
public:
    Umgebungswert(const char* name, const QByteArray& wert);
    ~Umgebungswert();
    Umgebungswert(const Umgebungswert&) = delete;
    Umgebungswert& operator=(const Umgebungswert&) = delete;

private:
    const char* name_;
    QByteArray alt_;
    bool hatte_;
};

// The processes of the given program name this test process has started and that have not
// yet been reaped.
QList<qint64> kindprozesse(const QByteArray& name);

// Readable failure output for Qt strings.
inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}
inline void PrintTo(const QByteArray& b, std::ostream* os) {
    *os << '"' << b.toStdString() << '"';
}
