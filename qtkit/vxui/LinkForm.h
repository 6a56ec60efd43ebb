// The form of the receive and send dialogs: which line (a serial port the
// system has, or a TCP address), a Start button, and the transfer's progress
// with bytes, total, rate and Cancel. The transfer runs on a worker thread so
// the window keeps answering; the last choice of line is remembered in the
// dialog library's own settings (group "VXUI/<dialog class>").
#pragma once

#include "link/LinkEndpoint.h"
#include "link/LinkResult.h"

#include <QDialog>
#include <QString>

#include <chrono>
#include <cstdint>
#include <memory>
#include <thread>

class QButtonGroup;
class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTimer;

// "12345 of 311382 bytes (3%), 10.5 KiB/s": what the form shows while data move.
QString TransferProgressText(std::uint64_t done, std::uint64_t total, double bytesPerSecond);
// Why a transfer ended, after "Transfer failed: ": a cancel in the user's
// language, any other reason as the link phrases it (its message when it has
// no phrase).
QString LinkFailureText(const LinkResult& result, bool receiving);

class CLinkForm final : public QDialog {
    Q_OBJECT
public:
    enum class Direction { Receive, Send };

    // `settingsGroup` names the dialog class; `path` is the file received into
    // or sent.
    CLinkForm(QWidget* owner, Direction direction, const QString& caption,
              const QString& settingsGroup, std::string path);
    ~CLinkForm() override;

    // The line the form's fields describe now.
    LinkEndpoint Endpoint() const;
    // How the last transfer ended (Ok before any).
    const LinkResult& Result() const { return m_result; }

    void reject() override; // Cancel stops a running transfer first

private:
    struct Shared;

    void Start();
    void Poll();
    void Finish();
    void ShowLineFields();
    void LoadSettings();
    void SaveSettings() const;
    bool Running() const { return m_worker.joinable(); }

    Direction m_direction;
    QString m_strGroup;
    std::string m_strPath;
    LinkResult m_result;

    QRadioButton* m_pSerial = nullptr;
    QRadioButton* m_pTcp = nullptr;
    QComboBox* m_pDevice = nullptr;
    QComboBox* m_pBaud = nullptr;
    QLineEdit* m_pHost = nullptr;
    QSpinBox* m_pPort = nullptr;
    QLabel* m_pStatus = nullptr;
    QProgressBar* m_pProgress = nullptr;
    QPushButton* m_pStart = nullptr;
    QPushButton* m_pCancel = nullptr;
    QTimer* m_pTimer = nullptr;

    std::shared_ptr<Shared> m_shared;
    std::thread m_worker;
    std::chrono::steady_clock::time_point m_started;
};
