// What a document window needs from the main window. TFrameForm implements
// it; tests can too.
#pragma once

#include <QString>

class QMenu;

namespace larkspur {

class Ui;
class TEditForm;
struct FrameSettings;

class DocumentHost {
public:
    virtual ~DocumentHost() = default;
    virtual Ui& GetUi() = 0;
    virtual const FrameSettings& Settings() const = 0;
    virtual void SetStatusText(int panel, const QString& text) = 0;
    virtual void SetCurrentFile(const QString& file) = 0;
    // Save As for `form`; runs SaveFile with the chosen name. False when cancelled.
    virtual bool SaveAs(TEditForm& form) = 0;
    // The context menu of document windows (shared by all of them).
    virtual QMenu* DocumentContextMenu() = 0;
};

} // namespace larkspur
