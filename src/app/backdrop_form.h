#pragma once

#include <QWidget>

namespace quillan {

// The black, disabled, full-screen backdrop that hides the desktop behind the sign-in windows
// and around the main window. It stays under every other window of the program.
class TPodkladForm : public QWidget {
    Q_OBJECT
public:
    explicit TPodkladForm(QWidget* parent = nullptr);

    // Shows the backdrop over the whole screen.
    void Cover();
};

}  // namespace quillan
