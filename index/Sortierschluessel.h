#pragma once

#include <QLocale>
#include <QStringView>

#include <string>

struct UCollator;

// Collation keys of the user's locale that ignore letter case (as QCollator with
// Qt::CaseInsensitive compares): two texts compare equal exactly when their keys are equal,
// and keys in byte order give the collation order. Computing a key once per text lets the
// sorted lists use hashing and one final sort instead of a comparison per insert step.
class Sortierschluessel {
public:
    explicit Sortierschluessel(const QLocale& locale = QLocale());
    ~Sortierschluessel();
    Sortierschluessel(const Sortierschluessel&) = delete;
    Sortierschluessel& operator=(const Sortierschluessel&) = delete;

    // Replaces the content of aus with the key of text.
    void schluessel(QStringView text, std::string& aus) const;

private:
    UCollator* collator_ = nullptr;
};
