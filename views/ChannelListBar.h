// What sits above the channel lists besides the fixed caption and chooser:
// the quick name filter field, which narrows both lists to the channels
// whose names contain its text (any case) on top of the filter chosen in
// the other panes, and a line beside the caption that says which filter is
// in force and how many rows each list has, for example
// "Satellite: Astra 1 — 162 TV / 75 radio".
#pragma once

#include <QObject>
#include <QString>

#include <cstdint>

class CChannelGridCtrl;
class QLabel;
class QLineEdit;
class QRect;
class QWidget;

class CChannelListBar final : public QObject {
    Q_OBJECT
public:
    // The field and the line become children of `pane`.
    CChannelListBar(QWidget& pane, CChannelGridCtrl& tv, CChannelGridCtrl& radio,
                    std::uint32_t productType);

    void Place(const QRect& status, const QRect& field);
    // The line beside the caption, as shown.
    QString StatusText() const;
    QLineEdit& Field() { return *m_pField; }

protected:
    // Esc in the field clears it.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ApplyQuickFilter(const QString& text);
    void UpdateStatus();

    CChannelGridCtrl& m_tv;
    CChannelGridCtrl& m_radio;
    std::uint32_t m_nProductType;
    QLineEdit* m_pField;
    QLabel* m_pStatus;
};
