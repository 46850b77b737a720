#pragma once

#include <QDialog>

class QPlainTextEdit;
class QPushButton;

// The notice window: a longer text and the answer "Ja" (accepted) or "Nein" (rejected).
class THinweisForm : public QDialog {
    Q_OBJECT
public:
    explicit THinweisForm(QWidget* parent = nullptr);

    // Shows the text modally, in front of every other window; true means "Ja".
    bool fragen(const QString& text);

    QPlainTextEdit* Memo1;
    QPushButton* OKBtn;
    QPushButton* CancelBtn;

protected:
    void showEvent(QShowEvent* event) override;
};
