// What every pane and grid is given: the frame to send messages to, the UI
// seam for dialogs and message boxes, and the edit session through which
// every change to the tables runs.
#pragma once

class IMessageSink;
class IUiSeam;
class EditSession;

struct ViewContext {
    IMessageSink& frame;
    IUiSeam& ui;
    EditSession& session;
};
