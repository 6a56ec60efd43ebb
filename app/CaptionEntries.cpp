#include "app/CaptionEntries.h"

#include "contracts/Texts.h"
#include "contracts/ZorvDB.h"
#include "image/DefaultTableExport.h"
#include "qtkit/MessageBoxes.h"
#include "qtkit/Translation.h"
#include "qtkit/WaitCursor.h"
#include "qtkit/vxui/LinkDialogs.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMouseEvent>
#include <QToolBar>

CCaptionEntries::CCaptionEntries(QMainWindow& frame, QToolBar& toolbar, IUiSeam& ui)
    : QObject(&frame), m_frame(frame), m_toolbar(toolbar), m_ui(ui) {
    // Key events go to whichever control has the focus; watch them all.
    qApp->installEventFilter(this);
}

bool CCaptionEntries::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        m_keys.Track(*static_cast<QKeyEvent*>(event));
        break;
    case QEvent::ApplicationDeactivate:
        m_keys.Forget();
        break;
    case QEvent::MouseButtonDblClick:
    case QEvent::NonClientAreaMouseButtonDblClick: {
        // The toolbar's own area (not its buttons) stands in for the caption
        // bar; the frame gets the real non-client double click where the
        // platform delivers one.
        const bool caption = event->type() == QEvent::MouseButtonDblClick ? watched == &m_toolbar
                                                                          : watched == &m_frame;
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (caption && mouse->button() == Qt::LeftButton)
            return DoubleClick(mouse->modifiers());
        break;
    }
    default:
        break;
    }
    return false;
}

bool CCaptionEntries::DoubleClick(Qt::KeyboardModifiers modifiers) {
    if (m_keys.LeftCtrl(modifiers)) {
        ShowConfiguration();
        return true;
    }
    if (m_keys.LeftShift(modifiers)) {
        ExportDefaultChannelData();
        return true;
    }
    return false;
}

void CCaptionEntries::ShowConfiguration() {
    CDlgConfiguration dialog(m_ui);
    if (dialog.DoModal() == IUiSeam::IDOK)
        ShowPlain(m_ui, &m_frame, Text(texts::kRestartNow));
}

void CCaptionEntries::ExportDefaultChannelData() {
    const QString path =
        m_ui.SaveFileName(&m_frame, Text(texts::kSaveDefaultTitle), Text(texts::kSaveDefaultFilter),
                          texts::kSaveDefaultInitialName, texts::kSaveDefaultExtension);
    if (path.isEmpty())
        return;
    CWaitCursor wait(m_ui);
    if (!WriteDefaultChannelTable(TheZorvDB(), path.toLocal8Bit().toStdString())) {
        wait.End();
        ShowStop(m_ui, &m_frame, Text(texts::kCannotOpenFile).replace("%s", path));
    }
}
