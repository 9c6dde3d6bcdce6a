#include "documents/EditForm.h"

#include "app/Icons.h"
#include "app/Settings.h"
#include "documents/DocumentHost.h"
#include "platform/AppError.h"
#include "platform/Application.h"
#include "platform/Fonts.h"
#include "platform/Ui.h"

#include <QAccessibleWidget>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QFile>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QSaveFile>
#include <Qsci/qsciscintilla.h>

namespace larkspur {

QPointer<TEditForm> EditForm;
const QString TEditForm::kNoname = QStringLiteral("noname");

namespace {
// Documents beyond this size are refused: the editor would need several
// times as much memory and every operation would crawl.
constexpr qint64 kMaxDocumentBytes = qint64(1) << 30;

// The editor control's own accessibility interface counts the characters
// from the document's start on every caret move and repaint (about 4 ms per
// megabyte, so a keystroke at the end of a 100 MB document would take
// 400 ms). It is kept for users of assistive technology; everyone else gets
// the plain widget interface. Factories installed later are asked first, so
// this one goes in after the control has installed its own.
QAccessibleInterface* plainEditorAccessible(const QString& className, QObject* object) {
    if (QAccessible::isActive() || !object->isWidgetType())
        return nullptr;
    if (className == QLatin1String("QsciScintilla") || className == QLatin1String("QsciScintillaBase"))
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::EditableText);
    return nullptr;
}

void installPlainEditorAccessible() {
    static bool installed = false;
    if (!installed) {
        installed = true;
        QAccessible::installFactory(plainEditorAccessible);
    }
}
} // namespace

TEditForm::TEditForm(DocumentHost& host, QWidget* parent) : QMdiSubWindow(parent), host_(host) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(kNoname);
    setWindowIcon(ActionIcon(QStringLiteral("FileNew1")));
    InsertMode = true;
    Editor = new QsciScintilla(this);
    installPlainEditorAccessible();
    Editor->setObjectName(QStringLiteral("Editor"));
    setWidget(Editor);
    resize(435, 300);
    setupEditor();
    Editor->installEventFilter(this);
    Editor->viewport()->installEventFilter(this);
    ShowInsertMode();
    ShowCaretPos();
}

long TEditForm::send(unsigned int msg, unsigned long wParam, long lParam) const {
    return Editor->SendScintilla(msg, wParam, lParam);
}

void TEditForm::setupEditor() {
    const FrameSettings& s = host_.Settings();
    using B = QsciScintillaBase;
    Editor->setFrameStyle(QFrame::NoFrame);
    Editor->setUtf8(true);
    // Only the notifications we use: the accessibility hook behind the others
    // walks the whole document on every keystroke.
    send(B::SCI_SETMODEVENTMASK, B::SC_MOD_BEFOREINSERT | B::SC_MOD_BEFOREDELETE);
    // Plain text: the null lexer styles only what changed. Without a lexer
    // the control asks its container to style from the document's start on
    // every repaint, which nobody answers.
    send(B::SCI_SETLEXER, B::SCLEX_NULL);
    for (int margin = 0; margin < 5; ++margin)
        send(B::SCI_SETMARGINWIDTHN, margin, 0);
    send(B::SCI_SETMARGINLEFT, 0, 2);
    send(B::SCI_SETSCROLLWIDTHTRACKING, 1);
    send(B::SCI_SETSCROLLWIDTH, 1);
    send(B::SCI_SETEOLMODE, B::SC_EOL_CRLF);
    send(B::SCI_USEPOPUP, 0);

    QByteArray family = ResolvedFamily(s.FontName, s.FontSize).toUtf8();
    Editor->SendScintilla(B::SCI_STYLESETFONT, B::STYLE_DEFAULT, family.constData());
    send(B::SCI_STYLESETSIZE, B::STYLE_DEFAULT, s.FontSize > 0 ? s.FontSize : 11);
    // TColor and Scintilla share the 0x00BBGGRR layout.
    send(B::SCI_STYLESETFORE, B::STYLE_DEFAULT, s.FontColor & 0xFFFFFF);
    send(B::SCI_STYLESETBACK, B::STYLE_DEFAULT, s.BgColor & 0xFFFFFF);
    send(B::SCI_STYLECLEARALL);
    send(B::SCI_SETCARETFORE, (~s.BgColor) & 0xFFFFFF);
    send(B::SCI_SETWRAPMODE, s.Wrap ? B::SC_WRAP_WORD : B::SC_WRAP_NONE);

    // Input-method colours: the clause being converted gets ImeBgColor as its
    // background (the second of the four composition indicators).
    const unsigned long target = B::INDIC_IME + 1;
    send(B::SCI_INDICSETSTYLE, target, B::INDIC_STRAIGHTBOX);
    send(B::SCI_INDICSETFORE, target, s.ImeBgColor & 0xFFFFFF);
    send(B::SCI_INDICSETALPHA, target, 255);
    send(B::SCI_INDICSETUNDER, target, 1);
}

void TEditForm::LoadFile(const QString& path) {
    const QString cannotOpen = QStringLiteral("ファイル %1 は開けません").arg(path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw AppError(cannotOpen);
    if (file.size() > kMaxDocumentBytes)
        throw AppError(QStringLiteral("ファイル %1 は大きすぎて開けません（1 GB まで）").arg(path));
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw AppError(cannotOpen);
    file.close();
    DecodedText decoded = TextCodec::decodeDocument(std::move(bytes));

    using B = QsciScintillaBase;
    const QByteArray& text = decoded.utf8;
    send(B::SCI_SETUNDOCOLLECTION, 0);
    send(B::SCI_CLEARALL);
    send(B::SCI_ALLOCATE, text.size() + 4096);
    Editor->SendScintilla(B::SCI_APPENDTEXT, uintptr_t(text.size()), text.constData());
    send(B::SCI_SETUNDOCOLLECTION, 1);
    send(B::SCI_EMPTYUNDOBUFFER);
    send(B::SCI_SETSAVEPOINT);
    send(B::SCI_GOTOPOS, 0);
    // New line breaks follow the document's own first line end.
    qsizetype eol = text.indexOf('\n');
    qsizetype cr = text.indexOf('\r');
    int mode = B::SC_EOL_CRLF;
    if (cr >= 0 && (eol < 0 || cr < eol))
        mode = (cr + 1 < text.size() && text[cr + 1] == '\n') ? B::SC_EOL_CRLF : B::SC_EOL_CR;
    else if (eol >= 0)
        mode = B::SC_EOL_LF;
    send(B::SCI_SETEOLMODE, mode);

    encoding_ = decoded.encoding;
    bom_ = decoded.bom;
    escapes_ = decoded.unmappedBytes > 0;
    origins_ = std::move(decoded.origins);
    unrecordedEdit_ = false;
    setWindowTitle(path);
    host_.SetCurrentFile(windowTitle());
    if (decoded.unmappedBytes > 0)
        host_.GetUi().ShowMessage(this, QStringLiteral("ファイル %1 には文字として読めないバイトが %2 個あります。\n"
                                                       "それらのバイトは保存するときにそのまま書き戻されます。")
                                            .arg(path)
                                            .arg(decoded.unmappedBytes));
}

void TEditForm::SaveFile(const QString& name) {
    setWindowTitle(name);
    if (windowTitle() == kNoname) {
        host_.SaveAs(*this);
        return;
    }
    using B = QsciScintillaBase;
    const char* data = static_cast<const char*>(Editor->SendScintillaPtrResult(B::SCI_GETCHARACTERPOINTER));
    QByteArrayView text(data, send(B::SCI_GETLENGTH));
    EncodedText encoded = TextCodec::encode(text, encoding_, bom_, escapes_, &origins_);
    bool switchedToUtf8 = false;
    if (!encoded.complete) {
        // A character that code page 932 cannot hold: write UTF-8 rather
        // than lose it.
        encoded = TextCodec::encode(text, TextEncoding::Utf8, false, escapes_);
        switchedToUtf8 = true;
    }
    const QString fileName = windowTitle();
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly) || file.write(encoded.bytes) != encoded.bytes.size() || !file.commit())
        throw AppError(QStringLiteral("ファイル %1 を作成できません").arg(fileName));
    if (switchedToUtf8) {
        encoding_ = TextEncoding::Utf8;
        bom_ = false;
        origins_ = {};
        host_.GetUi().ShowMessage(
            this,
            QStringLiteral("ファイル %1 にはシフトJISで書けない文字があるため、UTF-8で保存しました。").arg(fileName));
    }
    send(B::SCI_SETSAVEPOINT);
    unrecordedEdit_ = false;
}

bool TEditForm::Modified() const { return unrecordedEdit_ || send(QsciScintillaBase::SCI_GETMODIFY) != 0; }

void TEditForm::ReplaceSelection(const QString& text) {
    using B = QsciScintillaBase;
    QByteArray utf8 = text.toUtf8();
    send(B::SCI_SETUNDOCOLLECTION, 0);
    Editor->SendScintilla(B::SCI_REPLACESEL, uintptr_t(0), utf8.constData());
    send(B::SCI_SETUNDOCOLLECTION, 1);
    UnrecordedEditDone();
}

void TEditForm::UnrecordedEditDone() {
    send(QsciScintillaBase::SCI_EMPTYUNDOBUFFER);
    unrecordedEdit_ = true;
}

long TEditForm::ReplaceRange(long start, long end, const QByteArray& utf8) {
    using B = QsciScintillaBase;
    send(B::SCI_SETUNDOCOLLECTION, 0);
    send(B::SCI_SETTARGETRANGE, start, end);
    Editor->SendScintilla(B::SCI_REPLACETARGET, uintptr_t(utf8.size()), utf8.constData());
    send(B::SCI_SETUNDOCOLLECTION, 1);
    UnrecordedEditDone();
    return send(B::SCI_GETTARGETEND);
}

QString TEditForm::SelectedText() const {
    using B = QsciScintillaBase;
    long start = send(B::SCI_GETSELECTIONSTART);
    long end = send(B::SCI_GETSELECTIONEND);
    if (end <= start)
        return {};
    const char* p = static_cast<const char*>(
        reinterpret_cast<void*>(Editor->SendScintilla(B::SCI_GETRANGEPOINTER, start, end - start)));
    return QString::fromUtf8(p, end - start);
}

QString TEditForm::Text() const {
    using B = QsciScintillaBase;
    const char* data = static_cast<const char*>(Editor->SendScintillaPtrResult(B::SCI_GETCHARACTERPOINTER));
    return QString::fromUtf8(data, send(B::SCI_GETLENGTH));
}

bool TEditForm::FormCloseQuery() {
    if (!Modified())
        return true;
    MsgResult answer =
        host_.GetUi().MessageBox(this, windowTitle() + QStringLiteral("\nは変更されています。保存しますか？"),
                                 QStringLiteral("確認"), MsgIcon::Exclamation, MsgButtons::YesNoCancel);
    if (answer == MsgResult::Cancel)
        return false;
    if (answer == MsgResult::No)
        return true;
    RunHandler([this] { SaveFile(windowTitle()); });
    return !Modified();
}

void TEditForm::FormActivate() {
    EditForm = this;
    host_.SetCurrentFile(windowTitle());
    ShowInsertMode();
    ShowCaretPos();
}

void TEditForm::FormClose() {
    host_.SetCurrentFile(QString());
    EditForm = nullptr;
}

void TEditForm::CloseWithoutQuery() {
    closeConfirmed_ = true;
    close();
}

void TEditForm::closeEvent(QCloseEvent* event) {
    if (!closeConfirmed_ && !FormCloseQuery()) {
        event->ignore();
        return;
    }
    closeConfirmed_ = true;
    FormClose();
    QMdiSubWindow::closeEvent(event);
}

void TEditForm::ShowInsertMode() {
    host_.SetStatusText(0, InsertMode ? QStringLiteral("挿入") : QStringLiteral("上書"));
}

void TEditForm::ShowCaretPos() {
    using B = QsciScintillaBase;
    long pos = send(B::SCI_GETSELECTIONSTART);
    long docLine = send(B::SCI_LINEFROMPOSITION, pos);
    long lineStart = send(B::SCI_POSITIONFROMLINE, docLine);
    long line = docLine;
    long displayStart = lineStart;
    if (send(B::SCI_GETWRAPMODE) != B::SC_WRAP_NONE) {
        // Display lines: the wrapped sub-line that holds the caret.
        long height = send(B::SCI_TEXTHEIGHT, docLine);
        long y0 = send(B::SCI_POINTYFROMPOSITION, 0, lineStart);
        long y = send(B::SCI_POINTYFROMPOSITION, 0, pos);
        long sub = height > 0 ? (y - y0) / height : 0;
        line = send(B::SCI_VISIBLEFROMDOCLINE, docLine) + sub;
        if (sub > 0)
            displayStart = std::max(lineStart, send(B::SCI_POSITIONFROMPOINT, 0, y));
    }
    long column = send(B::SCI_COUNTCHARACTERS, displayStart, pos);
    host_.SetStatusText(1, QStringLiteral("%1,%2").arg(column + 1).arg(line + 1));
}

bool TEditForm::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyRelease: {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Insert && !key->isAutoRepeat()) {
            // The control switches modes itself; mirror its real state so
            // that Shift+Insert (paste) and Ctrl+Insert (copy) leave it alone.
            InsertMode = send(QsciScintillaBase::SCI_GETOVERTYPE) == 0;
            ShowInsertMode();
        }
        ShowCaretPos();
        break;
    }
    case QEvent::MouseButtonRelease:
        if (watched == Editor->viewport())
            ShowCaretPos();
        break;
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop: {
        // Files dropped on a document open in windows of their own, as on the
        // main window; the editor would only paste their names.
        const QMimeData* data = static_cast<QDropEvent*>(event)->mimeData();
        if (data && data->hasUrls() && !data->urls().isEmpty() && data->urls().first().isLocalFile()) {
            event->ignore();
            return true;
        }
        break;
    }
    case QEvent::ContextMenu:
        if (QMenu* menu = host_.DocumentContextMenu()) {
            menu->popup(static_cast<QContextMenuEvent*>(event)->globalPos());
            return true;
        }
        break;
    default: break;
    }
    return QMdiSubWindow::eventFilter(watched, event);
}

} // namespace larkspur
