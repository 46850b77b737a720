#pragma once

#include <QLabel>

// One browser picture of the settings dialog: shows a picture and reports a click on it.
class Browserbild : public QLabel {
    Q_OBJECT
public:
    explicit Browserbild(QWidget* parent = nullptr);

Q_SIGNALS:
    void angeklickt();

protected:
    void mousePressEvent(QMouseEvent* event) override;
};
