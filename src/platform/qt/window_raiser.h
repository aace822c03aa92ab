#pragma once

#include <QObject>
#include <string>

class QLocalServer;
class QWidget;

namespace quillan {

// How one program brings the main window of another to the front: the window's program listens
// on a local socket named after the window title, and a "raise" line sent there shows the
// window in front. It also keeps a program to one running copy: a second copy finds the first
// listening, asks it to raise its window and ends.

// Sends the request; false when no program listens for that title.
bool RequestRaise(const std::string& windowTitle);

class RaiseServer : public QObject {
    Q_OBJECT
public:
    // Listens for the title of `window`'s program (Windows-1250 title).
    RaiseServer(QWidget* window, const std::string& windowTitle);
    bool Listening() const;

private:
    void OnConnection();
    QWidget* window_;
    QLocalServer* server_;
};

}  // namespace quillan
