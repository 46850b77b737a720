#pragma once

#include <QString>

#include <optional>
#include <vector>

// Top-level windows of this system's programs that others must be able to find by title
// or class (the file lister's progress window, the companion program's main window).
// A program publishes a window while it is open: one small file per window in a runtime
// folder, removed when the window goes; files of processes that no longer run are ignored.
class WindowRegistry {
public:
    struct Fenster {
        qint64 pid = 0;
        QString titel;
        QString klasse;
    };

    // $XDG_RUNTIME_DIR/kelvora-fenster, or a per-user folder below the temp folder.
    static QString ordner();
    static std::vector<Fenster> alle();
    // First window whose title contains the text, compared in upper case.
    static std::optional<Fenster> findfenster(const QString& titelTeil);
    static bool klasseVorhanden(const QString& klasse);

    // Publishes one window for as long as the object lives.
    class Eintrag {
    public:
        Eintrag(const QString& titel, const QString& klasse);
        ~Eintrag();
        Eintrag(const Eintrag&) = delete;
        Eintrag& operator=(const Eintrag&) = delete;
        void setTitel(const QString& titel);

    private:
        void schreiben();
        QString datei_;
        QString titel_;
        QString klasse_;
    };
};
