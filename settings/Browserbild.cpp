#include "settings/Browserbild.h"

#include <QMouseEvent>

Browserbild::Browserbild(QWidget* parent) : QLabel(parent) {
    setCursor(Qt::PointingHandCursor);
}

void Browserbild::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        Q_EMIT angeklickt();
    QLabel::mousePressEvent(event);
}
