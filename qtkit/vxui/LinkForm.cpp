#include "qtkit/vxui/LinkForm.h"

#include "contracts/Progress.h"
#include "document/CurrentDocument.h"
#include "link/ImageTransfer.h"
#include "link/SerialTransport.h"
#include "qtkit/Translation.h"
#include "qtkit/vxui/VxuiSettings.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSerialPortInfo>
#include <QSettings>
#include <QSpinBox>
#include <QTimer>
#include <QVBoxLayout>

#include <array>
#include <atomic>
#include <mutex>

namespace {

using Clock = std::chrono::steady_clock;

constexpr std::uint32_t kBauds[] = {9600, 19200, 38400, 57600, 115200, 230400, 460800, 921600};
constexpr int kDefaultTcpPort = 2000;
// The name the image goes under in the batch header of a send.
constexpr const char* kNameOnLine = "velmar.bin";

} // namespace

QString TransferProgressText(std::uint64_t done, std::uint64_t total, double bytesPerSecond) {
    const int percent = total == 0 ? 0 : static_cast<int>(done * 100 / total);
    return QObject::tr("%1 of %2 bytes (%3%), %4 KiB/s")
        .arg(done)
        .arg(total)
        .arg(percent)
        .arg(bytesPerSecond / 1024.0, 0, 'f', 1);
}

QString LinkFailureText(const LinkResult& result, bool receiving) {
    switch (result.status) {
    case LinkStatus::Cancelled:
        return QObject::tr("Transfer cancelled");
    case LinkStatus::PeerCancelled:
        return receiving ? QObject::tr("The sender cancelled the transfer")
                         : QObject::tr("The receiver cancelled the transfer");
    default:
        return result.said.Empty() ? QString::fromStdString(result.message) : Text(result.said);
    }
}

// What the worker thread and the form share: progress in, cancel out, the
// result once the worker is done.
struct CLinkForm::Shared final : IProgress {
    std::atomic<std::uint64_t> done{0}, total{0};
    std::atomic<bool> cancel{false}, finished{false}, connected{false};
    std::mutex mutex;
    LinkResult result;

    bool Step(std::uint64_t d, std::uint64_t t) override {
        done = d;
        total = t;
        return !cancel;
    }
};

CLinkForm::CLinkForm(QWidget* owner, Direction direction, const QString& caption,
                     const QString& settingsGroup, std::string path)
    : QDialog(owner), m_direction(direction), m_strGroup(settingsGroup),
      m_strPath(std::move(path)) {
    setObjectName(settingsGroup);
    setWindowTitle(caption);
    auto* layout = new QVBoxLayout(this);

    auto* line = new QGroupBox(tr("Connection"), this);
    auto* form = new QFormLayout(line);
    m_pSerial = new QRadioButton(tr("Serial port"), line);
    m_pSerial->setObjectName("Serial");
    m_pTcp = new QRadioButton(tr("Network (TCP)"), line);
    m_pTcp->setObjectName("Tcp");
    auto* kinds = new QButtonGroup(this);
    kinds->addButton(m_pSerial);
    kinds->addButton(m_pTcp);
    auto* kindRow = new QHBoxLayout;
    kindRow->addWidget(m_pSerial);
    kindRow->addWidget(m_pTcp);
    form->addRow(kindRow);

    m_pDevice = new QComboBox(line);
    m_pDevice->setObjectName("Device");
    m_pDevice->setEditable(true); // a device the system does not list can be typed
    for (const QSerialPortInfo& port : QSerialPortInfo::availablePorts())
        m_pDevice->addItem(port.systemLocation());
    form->addRow(tr("Port"), m_pDevice);
    m_pBaud = new QComboBox(line);
    m_pBaud->setObjectName("Baud");
    for (const std::uint32_t baud : kBauds)
        m_pBaud->addItem(QString::number(baud), baud);
    form->addRow(tr("Baud rate"), m_pBaud);
    m_pHost = new QLineEdit(line);
    m_pHost->setObjectName("Host");
    form->addRow(tr("Host"), m_pHost);
    m_pPort = new QSpinBox(line);
    m_pPort->setObjectName("TcpPort");
    m_pPort->setRange(1, 65535);
    form->addRow(tr("TCP port"), m_pPort);
    layout->addWidget(line);

    m_pStatus = new QLabel(this);
    m_pStatus->setObjectName("Status");
    m_pStatus->setWordWrap(true);
    layout->addWidget(m_pStatus);
    m_pProgress = new QProgressBar(this);
    m_pProgress->setObjectName("Progress");
    m_pProgress->setRange(0, 1000);
    m_pProgress->setValue(0);
    layout->addWidget(m_pProgress);

    auto* buttons = new QDialogButtonBox(this);
    m_pStart = buttons->addButton(direction == Direction::Receive ? tr("Receive") : tr("Send"),
                                  QDialogButtonBox::ActionRole);
    m_pStart->setObjectName("Start");
    m_pCancel = buttons->addButton(QDialogButtonBox::Cancel);
    m_pCancel->setObjectName("Cancel");
    layout->addWidget(buttons);

    connect(m_pStart, &QPushButton::clicked, this, &CLinkForm::Start);
    connect(m_pCancel, &QPushButton::clicked, this, &CLinkForm::reject);
    connect(m_pSerial, &QRadioButton::toggled, this, &CLinkForm::ShowLineFields);
    m_pTimer = new QTimer(this);
    m_pTimer->setInterval(50);
    connect(m_pTimer, &QTimer::timeout, this, &CLinkForm::Poll);

    LoadSettings();
    ShowLineFields();
    m_pStatus->setText(direction == Direction::Receive
                           ? tr("Choose the line, press Receive, then start sending on the "
                                "receiver.")
                           : tr("Choose the line, start receiving on the receiver, then press "
                                "Send."));
}

CLinkForm::~CLinkForm() {
    if (m_shared)
        m_shared->cancel = true;
    if (m_worker.joinable())
        m_worker.join();
}

void CLinkForm::ShowLineFields() {
    const bool serial = m_pSerial->isChecked();
    m_pDevice->setEnabled(serial);
    m_pBaud->setEnabled(serial);
    m_pHost->setEnabled(!serial);
    m_pPort->setEnabled(!serial);
}

LinkEndpoint CLinkForm::Endpoint() const {
    LinkEndpoint endpoint;
    if (m_pSerial->isChecked()) {
        endpoint.kind = LinkEndpoint::Kind::Serial;
        endpoint.device = m_pDevice->currentText().trimmed().toStdString();
        endpoint.baud = m_pBaud->currentData().toUInt();
    } else {
        endpoint.kind = LinkEndpoint::Kind::TcpConnect;
        endpoint.host = m_pHost->text().trimmed().toStdString();
        endpoint.port = static_cast<std::uint16_t>(m_pPort->value());
    }
    return endpoint;
}

void CLinkForm::LoadSettings() {
    QSettings settings(kSettingsOrganization, kSettingsApplication); // the one file
    settings.beginGroup("VXUI/" + m_strGroup);
    const bool tcp = settings.value("Line").toString() == "tcp";
    (tcp ? m_pTcp : m_pSerial)->setChecked(true);
    const QString device = settings.value("Device").toString();
    if (!device.isEmpty())
        m_pDevice->setCurrentText(device);
    const int baud = m_pBaud->findData(
        settings.value("Baud", static_cast<unsigned>(CSerialTransport::kDefaultBaud)).toUInt());
    m_pBaud->setCurrentIndex(baud >= 0 ? baud : m_pBaud->findData(115200u));
    m_pHost->setText(settings.value("Host").toString());
    m_pPort->setValue(settings.value("Port", kDefaultTcpPort).toInt());
}

void CLinkForm::SaveSettings() const {
    QSettings settings(kSettingsOrganization, kSettingsApplication); // the one file
    settings.beginGroup("VXUI/" + m_strGroup);
    settings.setValue("Line", m_pSerial->isChecked() ? "serial" : "tcp");
    settings.setValue("Device", m_pDevice->currentText().trimmed());
    settings.setValue("Baud", m_pBaud->currentData().toUInt());
    settings.setValue("Host", m_pHost->text().trimmed());
    settings.setValue("Port", m_pPort->value());
}

void CLinkForm::Start() {
    if (Running())
        return;
    const LinkEndpoint endpoint = Endpoint();
    if (endpoint.kind == LinkEndpoint::Kind::Serial ? endpoint.device.empty()
                                                    : endpoint.host.empty()) {
        m_pStatus->setText(endpoint.kind == LinkEndpoint::Kind::Serial
                               ? tr("Choose a serial port.")
                               : tr("Enter the receiver's host name or address."));
        return;
    }
    SaveSettings();
    m_pStart->setEnabled(false);
    for (QWidget* field : {static_cast<QWidget*>(m_pSerial), static_cast<QWidget*>(m_pTcp),
                           static_cast<QWidget*>(m_pDevice), static_cast<QWidget*>(m_pBaud),
                           static_cast<QWidget*>(m_pHost), static_cast<QWidget*>(m_pPort)})
        field->setEnabled(false);
    m_pProgress->setValue(0);
    m_pStatus->setText(tr("Connecting: %1").arg(Text(endpoint.Said())));
    m_shared = std::make_shared<Shared>();
    m_started = Clock::now();
    const bool receive = m_direction == Direction::Receive;
    // A bare image received gets the open document's header text, as an
    // opened one does; taken here, on the thread that owns the document.
    const std::array<BYTE, kHeaderTextSize> headerText = CurrentHeaderText();
    m_worker = std::thread([shared = m_shared, endpoint, receive, path = m_strPath, headerText] {
        const ymodem::Options options;
        Phrase error;
        auto line = OpenLink(endpoint, std::chrono::seconds(10), shared.get(), error);
        LinkResult result;
        if (!line) {
            result.status = shared->cancel ? LinkStatus::Cancelled : LinkStatus::LineError;
            result.said = shared->cancel ? TransferCancelled() : error;
            result.message = English(result.said);
        } else {
            shared->connected = true;
            result = receive ? ReceiveImage(*line, path, options, shared.get(), headerText)
                             : SendImage(*line, path, options, shared.get(), kNameOnLine);
        }
        {
            std::lock_guard lock(shared->mutex);
            shared->result = std::move(result);
        }
        shared->finished = true;
    });
    m_pTimer->start();
}

void CLinkForm::Poll() {
    if (!m_shared)
        return;
    if (m_shared->finished) {
        Finish();
        return;
    }
    const std::uint64_t done = m_shared->done, total = m_shared->total;
    if (total == 0) {
        if (m_shared->connected)
            m_pStatus->setText(m_direction == Direction::Receive
                                   ? tr("Waiting for the receiver to send...")
                                   : tr("Waiting for the receiver to ask for the data..."));
        return;
    }
    const double seconds = std::chrono::duration<double>(Clock::now() - m_started).count();
    m_pProgress->setValue(static_cast<int>(std::min(done, total) * 1000 / total));
    m_pStatus->setText(
        TransferProgressText(done, total, seconds > 0 ? static_cast<double>(done) / seconds : 0));
}

void CLinkForm::Finish() {
    m_pTimer->stop();
    m_worker.join();
    {
        std::lock_guard lock(m_shared->mutex);
        m_result = m_shared->result;
    }
    const bool cancelled = m_shared->cancel;
    m_shared.reset();
    if (m_result.Ok()) {
        m_pProgress->setValue(1000);
        m_pStatus->setText(
            TransferProgressText(m_result.bytes, m_result.total, 0).section(',', 0, 0));
        accept();
        return;
    }
    if (cancelled) {
        QDialog::reject();
        return;
    }
    // The reason stays on the form; the user may try again or close it.
    m_pStatus->setText(tr("Transfer failed: %1")
                           .arg(LinkFailureText(m_result, m_direction == Direction::Receive)));
    m_pStart->setEnabled(true);
    m_pSerial->setEnabled(true);
    m_pTcp->setEnabled(true);
    ShowLineFields();
}

void CLinkForm::reject() {
    if (Running() && m_shared) {
        // The worker sends the cancel sequence and ends within a moment;
        // Poll then closes the form.
        m_shared->cancel = true;
        m_pCancel->setEnabled(false);
        m_pStatus->setText(tr("Cancelling..."));
        return;
    }
    QDialog::reject();
}
