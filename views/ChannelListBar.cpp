#include "views/ChannelListBar.h"

#include "contracts/ZorvDB.h"
#include "model/ChannelFilterText.h"
#include "platform/DisplayTexts.h"
#include "qtkit/Translation.h"
#include "qtkit/vxui/RecordFormDialog.h"
#include "views/ChannelGridCtrl.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

#include <cstdio>

namespace {

QString Count(int n) {
    char text[kDisplayTextMax];
    std::snprintf(text, sizeof text, "%d", n);
    MakeCommaDigitString(text);
    return QString::fromLatin1(text);
}

} // namespace

CChannelListBar::CChannelListBar(QWidget& pane, CChannelGridCtrl& tv, CChannelGridCtrl& radio,
                                 std::uint32_t productType)
    : QObject(&pane), m_tv(tv), m_radio(radio), m_nProductType(productType) {
    m_pField = new QLineEdit(&pane);
    m_pField->setObjectName("QuickFilter");
    m_pField->setPlaceholderText(tr("Filter by name (Esc clears)"));
    m_pField->setClearButtonEnabled(true);
    m_pField->installEventFilter(this);
    m_pStatus = new QLabel(&pane);
    m_pStatus->setObjectName("ChannelsStatus");
    connect(m_pField, &QLineEdit::textChanged, this, &CChannelListBar::ApplyQuickFilter);
    // Any change of the rows (a rebuild, rows added or removed by a command)
    // shows in the counts.
    for (CChannelGridCtrl* grid : {&m_tv, &m_radio}) {
        QAbstractItemModel* model = grid->model();
        connect(model, &QAbstractItemModel::modelReset, this, &CChannelListBar::UpdateStatus);
        connect(model, &QAbstractItemModel::rowsInserted, this, &CChannelListBar::UpdateStatus);
        connect(model, &QAbstractItemModel::rowsRemoved, this, &CChannelListBar::UpdateStatus);
        connect(grid, &CChannelGridCtrl::Emptied, this, &CChannelListBar::UpdateStatus);
    }
    UpdateStatus();
}

void CChannelListBar::Place(const QRect& status, const QRect& field) {
    m_pStatus->setGeometry(status);
    m_pField->setGeometry(field);
}

QString CChannelListBar::StatusText() const {
    return m_pStatus->text();
}

bool CChannelListBar::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_pField && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape && !m_pField->text().isEmpty()) {
        m_pField->clear();
        return true;
    }
    return false;
}

void CChannelListBar::ApplyQuickFilter(const QString& text) {
    // A character the names' code page cannot hold is in no name.
    const std::optional<std::string> bytes = AnsiBytes(text);
    m_tv.SetQuickFilter(bytes);
    m_radio.SetQuickFilter(bytes);
}

void CChannelListBar::UpdateStatus() {
    const ChannelFilterText filter =
        DescribeChannelFilter(TheZorvDB(), m_tv.Filter(), m_nProductType);
    // Whole sentences of the language, put together from templates.
    QString text = m_tv.IsEmptied() ? tr("Nothing chosen") : Text(filter.kind);
    if (!m_tv.IsEmptied() && !filter.name.empty())
        text = tr("%1: %2").arg(text, AnsiFieldText(filter.name.data(), filter.name.size()));
    if (!m_pField->text().isEmpty())
        text = tr("%1, names with \u201C%2\u201D").arg(text, m_pField->text());
    text = tr("%1 \u2014 %2 TV / %3 radio")
               .arg(text, Count(m_tv.GetRowCount() - 1), Count(m_radio.GetRowCount() - 1));
    m_pStatus->setText(text);
}
