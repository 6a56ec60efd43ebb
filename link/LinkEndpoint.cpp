#include "link/LinkEndpoint.h"

#include "link/SerialTransport.h"
#include "link/TcpTransport.h"

Phrase LinkEndpoint::Said() const {
    switch (kind) {
    case Kind::Serial:
        return phrase::Text(VELMAR_TRANSLATE_NOOP("Velmar", "serial %1 at %2 baud"),
                            {phrase::Data(device), phrase::Number(baud)});
    case Kind::TcpConnect:
        return phrase::Data("TCP " + host + ":" + std::to_string(port));
    case Kind::TcpListen:
        return host.empty() ? phrase::Text(VELMAR_TRANSLATE_NOOP("Velmar", "TCP port %1"),
                                           {phrase::Number(port)})
                            : phrase::Text(VELMAR_TRANSLATE_NOOP("Velmar", "TCP port %1 on %2"),
                                           {phrase::Number(port), phrase::Data(host)});
    }
    return {};
}

std::unique_ptr<ITransport> OpenLink(const LinkEndpoint& endpoint,
                                     std::chrono::milliseconds timeout, IProgress* progress,
                                     std::string& error,
                                     const std::function<void(std::uint16_t)>& listening,
                                     const std::function<void(const std::string&)>& connected) {
    Phrase said;
    return InEnglish(OpenLink(endpoint, timeout, progress, said, listening, connected), said,
                     error);
}

std::unique_ptr<ITransport> OpenLink(const LinkEndpoint& endpoint,
                                     std::chrono::milliseconds timeout, IProgress* progress,
                                     Phrase& error,
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
