#pragma once

#include <QWidget>

namespace quillan {

// The black, disabled, full-screen backdrop that hides the desktop behind the sign-in windows.
class TPodkladForm : public QWidget {
    Q_OBJECT
public:
    explicit TPodkladForm(QWidget* parent = nullptr);
};

}  // namespace quillan
