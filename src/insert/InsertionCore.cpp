// The insertion core of the main window: every change that a palette or an
// HTML assist command makes to a document goes through these operations.
#include "app/FrameForm.h"
#include "documents/EditForm.h"
#include "insert/LinkPath.h"

namespace larkspur {

void TFrameForm::SetTagPair(const QString& front, const QString& rear) {
    TagFront = front;
    TagRear = rear;
    ShowTagPair();
}

void TFrameForm::ShowTagPair() {
    SetStatusText(2, TagRear.isEmpty() ? TagFront : TagFront + QStringLiteral("*****") + TagRear);
}

void TFrameForm::WrapSelection() {
    if (!EditForm || TagFront.isEmpty())
        return;
    if (TagRear.isEmpty())
        EditForm->ReplaceSelection(TagFront);
    else
        EditForm->ReplaceSelection(TagFront + EditForm->SelectedText() + TagRear);
}

void TFrameForm::InsertText(const QString& text) {
    if (EditForm)
        EditForm->ReplaceSelection(text);
}

QString TFrameForm::MakeLinkPath(const QString& document, const QString& target) {
    return larkspur::MakeLinkPath(document, target);
}

} // namespace larkspur
