#include "index/gui/THinweisForm.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

THinweisForm::THinweisForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("HinweisForm"));
    setWindowTitle(QStringLiteral("Information"));
    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    Memo1->setTabStopDistance(4 * Memo1->fontMetrics().horizontalAdvance(QLatin1Char(' ')));
    OKBtn = new QPushButton(QStringLiteral("Ja"), this);
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    OKBtn->setDefault(true);
    CancelBtn = new QPushButton(QStringLiteral("Nein"), this);
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);

    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch(1);
    knoepfe->addWidget(OKBtn);
    knoepfe->addWidget(CancelBtn);
    knoepfe->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Memo1, 1);
    layout->addLayout(knoepfe);
    resize(560, 330);
}

bool THinweisForm::fragen(const QString& text) {
    Memo1->setPlainText(text);
    OKBtn->setFocus();
    return exec() == QDialog::Accepted;
}

void THinweisForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // The question must not hide behind the elevation prompt or the main window.
    if (isMinimized())
        showNormal();
    raise();
    activateWindow();
}
