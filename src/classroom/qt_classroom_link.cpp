#include "classroom/qt_classroom_link.h"

#include <QEventLoop>
#include <QTcpSocket>
#include <QTimer>

#include "platform/cp1250.h"
#include "platform/qt/input_guard.h"
#include "platform/qt/qt_text.h"

namespace quillan::classroom {
namespace {

// One request on one socket; Run drives it to its end.
class Exchanger {
public:
    Exchanger(const LinkRequest& request, std::uint16_t port, std::chrono::milliseconds limit)
        : request_(request), port_(port), limit_(limit) {}

    LinkReply Run() {
        QObject::connect(&socket_, &QTcpSocket::connected, [this] { Connected(); });
        QObject::connect(&socket_, &QTcpSocket::readyRead, [this] {
            if (finished_) return;
            Receive();
            Check();
        });
        QObject::connect(&socket_, &QTcpSocket::bytesWritten, [this](qint64 count) { written_ += count; });
        QObject::connect(&socket_, &QTcpSocket::disconnected, [this] { Closed(); });
        QObject::connect(&socket_, &QTcpSocket::errorOccurred, [this](QAbstractSocket::SocketError error) {
            // The server closing is the end of a stream; what it means otherwise Closed decides.
            if (error != QAbstractSocket::RemoteHostClosedError) Fail(FromQt(socket_.errorString()));
        });
        QTimer::singleShot(limit_, &loop_, [this] {
            Fail(Utf8ToCp1250("serwer nie odpowiedział w ciągu " + std::to_string(limit_.count() / 1000) + " s"));
        });
        socket_.connectToHost(ToQt(request_.host), port_);
        if (!finished_) loop_.exec();
        socket_.disconnect();
        socket_.abort();
        return reply_;
    }

private:
    void Connected() {
        socket_.write(request_.bytes.data(), static_cast<qint64>(request_.bytes.size()));
        // An upload is all there is: the connection is closed once the bytes are out.
        if (request_.form == ReplyForm::None) socket_.disconnectFromHost();
    }

    void Receive() {
        const QByteArray bytes = socket_.readAll();
        // Nothing is awaited after an upload: what a server sends then is not kept.
        if (request_.form != ReplyForm::None) received_.append(bytes.constData(), static_cast<size_t>(bytes.size()));
    }

    // Ends the request as soon as what arrived is the whole reply, or more than it may hold.
    void Check() {
        switch (request_.form) {
        case ReplyForm::None:
            return;
        case ReplyForm::Line: {
            const auto lf = received_.find('\n');
            if ((lf == std::string::npos ? received_.size() : lf) > request_.maxBytes) {
                TooLong();
            } else if (lf != std::string::npos) {
                std::string line = received_.substr(0, lf);
                if (!line.empty() && line.back() == '\r') line.pop_back();
                Finish(std::move(line));
            }
            return;
        }
        case ReplyForm::Block:
            if (received_.size() >= request_.blockSize) Finish(received_.substr(0, request_.blockSize));
            return;
        case ReplyForm::Stream:
            if (request_.complete && request_.complete(received_))
                Finish(received_);
            else if (received_.size() > request_.maxBytes)
                TooLong();
            return;
        }
    }

    void TooLong() {
        Fail(Utf8ToCp1250("odpowiedź serwera jest dłuższa, niż program przyjmuje (ponad " +
                          std::to_string(request_.maxBytes) + " bajtów)"));
    }

    void Closed() {
        if (finished_) return;
        Receive();
        Check();
        if (finished_) return;
        // An upload ends with our own close, made after its bytes went out; a connection the
        // server closed or broke before it had them all is a failed upload.
        if (request_.form == ReplyForm::None && written_ < static_cast<qint64>(request_.bytes.size())) {
            Fail(Utf8ToCp1250("serwer zamknął połączenie przed przyjęciem całych wyników"));
            return;
        }
        // A stream ends with the connection.
        if (request_.form == ReplyForm::Stream || request_.form == ReplyForm::None) {
            Finish(received_);
            return;
        }
        Fail(Utf8ToCp1250("serwer zamknął połączenie przed końcem odpowiedzi"));
    }

    void Finish(std::string bytes) {
        if (finished_) return;
        finished_ = true;
        reply_.ok = true;
        reply_.bytes = std::move(bytes);
        loop_.quit();
    }

    void Fail(std::string error) {
        if (finished_) return;
        finished_ = true;
        reply_.ok = false;
        reply_.error = std::move(error);
        reply_.bytes = received_;
        loop_.quit();
    }

    const LinkRequest& request_;
    std::uint16_t port_;
    std::chrono::milliseconds limit_;
    QTcpSocket socket_;
    QEventLoop loop_;
    std::string received_;
    qint64 written_ = 0;  // bytes of the request handed to the network
    bool finished_ = false;
    LinkReply reply_;
};

}  // namespace

QtClassroomLink::QtClassroomLink(std::uint16_t port, std::chrono::milliseconds limit) : port_(port), limit_(limit) {}

LinkReply QtClassroomLink::Exchange(const LinkRequest& request) {
    if (busy_) return {false, Utf8ToCp1250("trwa inne zapytanie do serwera"), {}};
    busy_ = true;
    InputGuard guard;
    LinkReply reply = Exchanger(request, port_, limit_).Run();
    busy_ = false;
    return reply;
}

}  // namespace quillan::classroom
