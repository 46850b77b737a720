#include "platform/gui/Ordnerauswahl.h"

#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

Ordnerauswahl::Ordnerauswahl(const QString& titel, const QString& start, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("Ordnerauswahl"));
    setWindowTitle(titel);
    resize(460, 520);
    modell_ = new QFileSystemModel(this);
    modell_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    modell_->setRootPath(QDir::rootPath());
    Baum = new QTreeView(this);
    Baum->setObjectName(QStringLiteral("Baum"));
    Baum->setModel(modell_);
    Baum->setHeaderHidden(true);
    for (int spalte = 1; spalte < modell_->columnCount(); ++spalte)
        Baum->hideColumn(spalte);
    Pfad = new QLabel(this);
    Pfad->setObjectName(QStringLiteral("Pfad"));
    Pfad->setWordWrap(true);
    OKBtn = new QPushButton(QStringLiteral("OK"), this);
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    OKBtn->setDefault(true);
    CancelBtn = new QPushButton(QStringLiteral("Abbrechen"), this);
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));

    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    knoepfe->addWidget(OKBtn);
    knoepfe->addWidget(CancelBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(titel, this));
    layout->addWidget(Baum, 1);
    layout->addWidget(Pfad);
    layout->addLayout(knoepfe);

    connect(Baum->selectionModel(), &QItemSelectionModel::currentChanged, this, [this] {
        Pfad->setText(QDir::toNativeSeparators(ordner()));
        OKBtn->setEnabled(!ordner().isEmpty());
    });
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    OKBtn->setEnabled(false);
    setOrdner(start);
}

QString Ordnerauswahl::ordner() const {
    const QModelIndex i = Baum->currentIndex();
    return i.isValid() ? modell_->filePath(i) : QString();
}

void Ordnerauswahl::setOrdner(const QString& nativ) {
    if (nativ.isEmpty() || !QFileInfo(nativ).isDir())
        return;
    const QModelIndex i = modell_->index(QDir::cleanPath(QFileInfo(nativ).absoluteFilePath()));
    if (!i.isValid())
        return;
    for (QModelIndex p = i.parent(); p.isValid(); p = p.parent())
        Baum->expand(p);
    Baum->setCurrentIndex(i);
    Baum->scrollTo(i, QAbstractItemView::PositionAtCenter);
}

QString Ordnerauswahl::waehlen(QWidget* eltern, const QString& titel, const QString& start) {
    Ordnerauswahl auswahl(titel, start, eltern);
    if (auswahl.exec() != QDialog::Accepted)
        return QString();
    return auswahl.ordner();
}
