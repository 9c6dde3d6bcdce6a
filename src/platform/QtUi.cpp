#include "platform/Ui.h"

#include <QColorDialog>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFontDialog>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QMessageBox>
#include <QPixmap>
#include <QPrintDialog>
#include <QPushButton>
#include <QVBoxLayout>

namespace larkspur {

namespace {
const QString kAppTitle = QStringLiteral("Larkspur");
}

QString QtFilterFromVcl(const QString& filter) {
    qsizetype bar = filter.indexOf(u'|');
    if (bar < 0)
        return filter;
    QString patterns = filter.mid(bar + 1);
    patterns.replace(u';', u' ');
    return filter.left(bar) + QStringLiteral(" (") + patterns + u')';
}

MsgResult QtUi::MessageBox(QWidget* owner, const QString& text, const QString& title, MsgIcon icon,
                           MsgButtons buttons) {
    QMessageBox box(owner);
    box.setWindowTitle(title);
    box.setTextFormat(Qt::PlainText); // file names and tags are shown as written
    box.setText(text);
    switch (icon) {
    case MsgIcon::None: box.setIcon(QMessageBox::NoIcon); break;
    case MsgIcon::Information: box.setIcon(QMessageBox::Information); break;
    case MsgIcon::Exclamation: box.setIcon(QMessageBox::Warning); break;
    case MsgIcon::Stop: box.setIcon(QMessageBox::Critical); break;
    case MsgIcon::Question: box.setIcon(QMessageBox::Question); break;
    }
    QPushButton* ok = nullptr;
    QPushButton* yes = nullptr;
    QPushButton* no = nullptr;
    QPushButton* cancel = nullptr;
    if (buttons == MsgButtons::Ok || buttons == MsgButtons::OkCancel)
        ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    if (buttons == MsgButtons::YesNo || buttons == MsgButtons::YesNoCancel) {
        yes = box.addButton(QStringLiteral("はい(&Y)"), QMessageBox::YesRole);
        no = box.addButton(QStringLiteral("いいえ(&N)"), QMessageBox::NoRole);
    }
    if (buttons == MsgButtons::OkCancel || buttons == MsgButtons::YesNoCancel)
        cancel = box.addButton(QStringLiteral("キャンセル"), QMessageBox::RejectRole);
    box.setDefaultButton(ok ? ok : yes);
    if (cancel)
        box.setEscapeButton(cancel);
    box.exec();
    QAbstractButton* clicked = box.clickedButton();
    if (clicked == ok)
        return MsgResult::Ok;
    if (clicked == yes)
        return MsgResult::Yes;
    if (clicked == no)
        return MsgResult::No;
    if (!cancel && buttons == MsgButtons::Ok)
        return MsgResult::Ok;
    return MsgResult::Cancel;
}

void QtUi::ShowMessage(QWidget* owner, const QString& text) {
    MessageBox(owner, text, kAppTitle, MsgIcon::None, MsgButtons::Ok);
}

std::optional<QString> QtUi::InputBox(QWidget* owner, const QString& title, const QString& prompt,
                                      const QString& value) {
    QInputDialog dialog(owner);
    dialog.setWindowTitle(title);
    dialog.setLabelText(prompt);
    dialog.setTextValue(value);
    dialog.setOkButtonText(QStringLiteral("OK"));
    dialog.setCancelButtonText(QStringLiteral("キャンセル"));
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue();
}

static void prepareFileDialog(QFileDialog& dialog, const FileDialogRequest& request) {
    if (!request.title.isEmpty())
        dialog.setWindowTitle(request.title);
    QStringList filters;
    for (const QString& f : request.filters)
        filters << QtFilterFromVcl(f);
    dialog.setNameFilters(filters);
    if (request.filterIndex >= 1 && request.filterIndex <= filters.size())
        dialog.selectNameFilter(filters[request.filterIndex - 1]);
    if (!request.initialDir.isEmpty())
        dialog.setDirectory(request.initialDir);
    if (!request.fileName.isEmpty())
        dialog.selectFile(request.fileName);
}

std::optional<FileDialogResult> QtUi::OpenFileDialog(QWidget* owner, const FileDialogRequest& request) {
    QFileDialog dialog(owner);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    prepareFileDialog(dialog, request);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return FileDialogResult{dialog.selectedFiles().first(),
                            int(dialog.nameFilters().indexOf(dialog.selectedNameFilter())) + 1};
}

std::optional<FileDialogResult> QtUi::SaveFileDialog(QWidget* owner, const FileDialogRequest& request,
                                                     const std::function<bool(const FileDialogResult&)>& canClose) {
    QFileDialog dialog(owner);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true); // the caller asks itself
    prepareFileDialog(dialog, request);
    while (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()) {
        FileDialogResult chosen{dialog.selectedFiles().first(),
                                int(dialog.nameFilters().indexOf(dialog.selectedNameFilter())) + 1};
        if (!canClose || canClose(chosen))
            return chosen;
    }
    return std::nullopt;
}

std::optional<QColor> QtUi::ColorDialog(QWidget* owner, const QColor& initial) {
    QColor c = QColorDialog::getColor(initial, owner);
    if (!c.isValid())
        return std::nullopt;
    return c;
}

std::optional<QFont> QtUi::FontDialog(QWidget* owner, const QFont& initial) {
    bool ok = false;
    QFont f = QFontDialog::getFont(&ok, initial, owner);
    if (!ok)
        return std::nullopt;
    return f;
}

std::optional<FontChoice> QtUi::FontEffectsDialog(QWidget* owner, const FontChoice& initial) {
    QDialog dialog(owner);
    dialog.setWindowTitle(QStringLiteral("フォント"));
    auto* fonts = new QFontDialog(initial.font, &dialog);
    fonts->setOption(QFontDialog::NoButtons);
    fonts->setWindowFlags(Qt::Widget);
    QColor color = initial.color.isValid() ? initial.color : QColor(Qt::black);
    auto* colorButton = new QPushButton(QStringLiteral("色(&C)..."), &dialog);
    auto showColor = [&] {
        QPixmap swatch(16, 16);
        swatch.fill(color);
        colorButton->setIcon(QIcon(swatch));
    };
    showColor();
    QObject::connect(colorButton, &QPushButton::clicked, &dialog, [&] {
        QColor c = QColorDialog::getColor(color, &dialog);
        if (c.isValid()) {
            color = c;
            showColor();
        }
    });
    auto* buttons = new QDialogButtonBox(&dialog);
    buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QStringLiteral("キャンセル"), QDialogButtonBox::RejectRole);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(colorButton);
    bottom->addStretch();
    bottom->addWidget(buttons);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(fonts);
    layout->addLayout(bottom);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return FontChoice{fonts->currentFont(), color};
}

std::optional<QString> QtUi::FolderDialog(QWidget* owner, const QString& title, const QString& initial) {
    QString dir = QFileDialog::getExistingDirectory(owner, title, initial);
    if (dir.isEmpty())
        return std::nullopt;
    return dir;
}

bool QtUi::PrintDialog(QWidget* owner, QPrinter& printer) {
    QPrintDialog dialog(&printer, owner);
    return dialog.exec() == QDialog::Accepted;
}

int QtUi::ExecModal(QDialog& dialog) { return dialog.exec(); }

} // namespace larkspur
