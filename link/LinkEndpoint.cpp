#include "link/LinkEndpoint.h"

#include "link/SerialTransport.h"
#include "link/TcpTransport.h"

std::string LinkEndpoint::Describe() const {
    switch (kind) {
    case Kind::Serial:
        return "serial " + device + " at " + std::to_string(baud) + " baud";
    case Kind::TcpConnect:
        return "TCP " + host + ":" + std::to_string(port);
    case Kind::TcpListen:
        return "TCP port " + std::to_string(port) + (host.empty() ? "" : " on " + host);
    }
    return {};
}

std::unique_ptr<ITransport> OpenLink(const LinkEndpoint& endpoint,
                                     std::chrono::milliseconds timeout, IProgress* progress,
                                     std::string& error,
                                     const std::function<void(std::uint16_t)>& listening,
                                     const std::function<void(const std::string&)>& connected) {
    switch (endpoint.kind) {
    case LinkEndpoint::Kind::Serial:
        return CSerialTransport::Open(endpoint.device, endpoint.baud, error);
    case LinkEndpoint::Kind::TcpConnect:
        return CTcpTransport::Connect(endpoint.host, endpoint.port, timeout, progress, error);
    case LinkEndpoint::Kind::TcpListen: {
        CTcpListener listener;
        if (!listener.Listen(endpoint.host, endpoint.port, error))
            return nullptr;
        if (listening)
            listening(listener.Port());
        auto line = listener.Accept(timeout, progress, error);
        if (line && connected)
            connected(listener.Peer());
        return line;
    }
    }
    return nullptr;
}
