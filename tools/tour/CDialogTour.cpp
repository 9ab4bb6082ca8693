#include "CDialogTour.h"

#include "app/CMainFrame.h"
#include "app/CVeldraApp.h"
#include "document/CPictureCommands.h"
#include "document/CTextCommands.h"
#include "document/CVeldraDoc.h"
#include "imaging/CDibImage.h"
#include "objects/CArcTextObj.h"
#include "objects/CDibObj.h"
#include "objects/CFreeTextObj.h"
#include "objects/CTextObj.h"
#include "view/CCommandActions.h"
#include "view/CVeldraView.h"
#include "view/CommandId.h"
#include "view/dialogs/CObjectEditor.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QThread>

namespace {

// Lets a window that just appeared lay itself out and paint.
void Settle()
{
    for (int i = 0; i < 3; ++i) {
        QApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(5);
    }
}

CDibImage ToDib(const QImage& image)
{
    CDibImage dib;
    dib.Create(image.width(), image.height(), 24);
    for (int y = 0; y < image.height(); ++y) {
        const uchar* from = image.constScanLine(y);
        std::uint8_t* to = dib.Bits() + std::size_t(y) * dib.Stride();
        for (int x = 0; x < image.width(); ++x) {
            to[3 * x] = from[3 * x + 2];
            to[3 * x + 1] = from[3 * x + 1];
            to[3 * x + 2] = from[3 * x];
        }
    }
    return dib;
}

} // namespace

QImage CDialogTour::SamplePicture()
{
    // A sunset over hills: something a user might engrave, with gradients
    // that show what the preview does to a photo.
    QImage image(480, 320, QImage::Format_RGB888);
    QPainter painter(&image);
    QLinearGradient sky(0, 0, 0, 320);
    sky.setColorAt(0, QColor(40, 60, 140));
    sky.setColorAt(1, QColor(250, 180, 90));
    painter.fillRect(image.rect(), sky);
    painter.setBrush(QColor(255, 230, 150));
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(QPoint(300, 190), 60, 60);
    painter.setBrush(QColor(40, 70, 40));
    painter.drawEllipse(QPoint(120, 420), 260, 200);
    painter.setBrush(QColor(60, 100, 50));
    painter.drawEllipse(QPoint(420, 440), 240, 200);
    painter.end();
    return image;
}

CDialogTour::CDialogTour(CMainFrame& frame, CVeldraApp& app, CVeldraDoc& doc)
    : m_frame(frame), m_app(app), m_doc(doc)
{
    m_poll.setInterval(30);
    QObject::connect(&m_poll, &QTimer::timeout, [this] { Poll(); });
}

void CDialogTour::Trigger(int command)
{
    QAction* action = m_frame.Actions().Action(CommandId(command));
    // The state a menu would show decides, as for a user.
    m_frame.Actions().Refresh();
    if (action && action->isEnabled())
        action->trigger();
}

void CDialogTour::SelectKind(Kind kind)
{
    for (CSymbolObj* object : m_doc.GetObjects()) {
        const bool match = (kind == Kind::picture && dynamic_cast<CDibObj*>(object))
                           || (kind == Kind::fanText && dynamic_cast<CArcTextObj*>(object))
                           || (kind == Kind::textBlock && dynamic_cast<CTextObj*>(object))
                           || (kind == Kind::horizontalText && dynamic_cast<CFreeTextObj*>(object)
                               && !dynamic_cast<CArcTextObj*>(object));
        if (match) {
            m_frame.View().SetSelection(object);
            return;
        }
    }
}

void CDialogTour::AddSamplePicture()
{
    CDibImage picture = ToDib(SamplePicture());
    CPictureCommands::AddPicture(m_doc, picture, QStringLiteral("Sunset"));
}

std::vector<CDialogTour::Stop> CDialogTour::Stops()
{
    using C = CommandId;
    const auto command = [this](C id) { return [this, id] { Trigger(int(id)); }; };
    const auto place = [this](bool block, bool fan, int x, int y) {
        return [this, block, fan, x, y] {
            CObjectEditor editor(m_app.Settings(), &m_frame);
            const CPoint at{m_doc.GetDeviceSize().cx * x / 100, m_doc.GetDeviceSize().cy * y / 100};
            if (fan)
                CTextCommands::AddFanText(m_doc, at, editor);
            else
                CTextCommands::AddText(m_doc, at, block, editor);
        };
    };
    const auto onSelected = [this](Kind kind, C id) {
        return [this, kind, id] {
            SelectKind(kind);
            Trigger(int(id));
        };
    };
    return {
        {QStringLiteral("material-setup"), command(C::MaterialSetup)},
        {QStringLiteral("horizontal-text"), place(false, false, 50, 80), true},
        {QStringLiteral("fan-text"), place(false, true, 50, 30), true},
        {QStringLiteral("text-block"), place(true, false, 50, 55), true},
        {QStringLiteral("main-window"),
         [this] {
             AddSamplePicture();
             Trigger(int(C::FitToScreen));
         }},
        {QStringLiteral("picture-properties"), onSelected(Kind::picture, C::Properties)},
        {QStringLiteral("text-properties"), onSelected(Kind::horizontalText, C::Properties)},
        {QStringLiteral("fan-text-properties"), onSelected(Kind::fanText, C::Properties)},
        {QStringLiteral("text-block-properties"), onSelected(Kind::textBlock, C::Properties)},
        {QStringLiteral("trimming"), onSelected(Kind::picture, C::Trimming)},
        {QStringLiteral("crop-image"), onSelected(Kind::picture, C::CropImage)},
        {QStringLiteral("rotate-image"), onSelected(Kind::picture, C::RotateImage)},
        {QStringLiteral("layer-window"), command(C::LayerWindow)},
        {QStringLiteral("preferences"), command(C::Preferences)},
        {QStringLiteral("grid-setup"), command(C::GridSetup)},
        {QStringLiteral("pen-setup"), command(C::PenSetup)},
        {QStringLiteral("library-material"), command(C::InsertMaterial)},
        {QStringLiteral("library-frame"), command(C::InsertFrame)},
        {QStringLiteral("library-symbol"), command(C::InsertSymbol)},
        {QStringLiteral("code"), command(C::InsertCode)},
        {QStringLiteral("add-symbol"), command(C::AddSymbol), false, true},
        {QStringLiteral("add-material"), command(C::AddMaterialFile), false, true},
        {QStringLiteral("print-setup"), command(C::FilePrintSetup)},
        {QStringLiteral("print"), command(C::FilePrint)},
        {QStringLiteral("preview"), command(C::FilePrintPreview)},
        {QStringLiteral("scan-source"), command(C::SelectSource)},
        {QStringLiteral("scan"), command(C::Acquire)},
        // A changed layout is offered for saving before another opens.
        {QStringLiteral("save-changes"), command(C::FileOpen)},
        {QStringLiteral("about"), command(C::About)},
    };
}

QStringList CDialogTour::Run(const Visitor& visit)
{
    QStringList missed;
    m_pVisit = &visit;
    const std::vector<Stop> stops = Stops();
    for (const Stop& stop : stops) {
        m_pStop = &stop;
        m_bVisited = false;
        m_topLevelsBefore = VisibleTopLevels();
        m_poll.start();
        stop.open();
        m_poll.stop();
        Settle();
        if (!m_bVisited) {
            // A window that stays open by itself (the layer window), or the
            // main window when the stop only changed the layout.
            QWidget* window = NewTopLevel();
            if (!window && stop.name == QLatin1String("main-window"))
                window = &m_frame;
            if (window) {
                m_bVisited = true;
                visit(stop.name, *window);
                if (window != &m_frame)
                    window->close();
            }
        }
        if (!m_bVisited)
            missed << stop.name;
    }
    m_pVisit = nullptr;
    m_pStop = nullptr;
    return missed;
}

QList<QWidget*> CDialogTour::VisibleTopLevels()
{
    QList<QWidget*> shown;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->isVisible() && !qobject_cast<QMenu*>(widget))
            shown << widget;
    }
    return shown;
}

QWidget* CDialogTour::NewTopLevel() const
{
    for (QWidget* widget : VisibleTopLevels()) {
        if (widget != &m_frame && !m_topLevelsBefore.contains(widget))
            return widget;
    }
    return nullptr;
}

void CDialogTour::Poll()
{
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || modal == m_pLastVisited)
        return;
    // A dialog asking for a picture first is answered with the sample's.
    if (auto* files = qobject_cast<QFileDialog*>(modal); files) {
        AnswerWithPicture(*files);
        return;
    }
    VisitAndClose(*modal);
}

void CDialogTour::AnswerWithPicture(QFileDialog& files)
{
    if (m_picturePath.isEmpty() || !m_pStop->wantsPicture) {
        files.reject();
        return;
    }
    if (m_bAccepting)
        return;
    // Typed into the name field, as a user does: selectFile leaves the field
    // alone while it has the focus.
    const QFileInfo picture(m_picturePath);
    files.setDirectory(picture.path());
    if (auto* name = files.findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
        name->setText(picture.fileName());
    else
        files.selectFile(picture.fileName());
    // Accepted from a timer of its own: the dialog that follows runs a loop
    // of its own, in which the poll must stay free to visit it. A dialog
    // still reading its folder may refuse the name: then again on a later
    // tick.
    m_bAccepting = true;
    QTimer::singleShot(0, &files, [this, dialog = QPointer<QFileDialog>(&files)] {
        m_bAccepting = false;
        if (dialog)
            QMetaObject::invokeMethod(dialog, "accept");
    });
}

void CDialogTour::VisitAndClose(QWidget& window)
{
    m_pLastVisited = &window;
    Settle();
    if (!m_bVisited) {
        m_bVisited = true;
        (*m_pVisit)(m_pStop->name, window);
    }
    if (auto* box = qobject_cast<QMessageBox*>(&window)) {
        // As Esc does: Cancel where the box offers it. Closing the box any
        // other way answers none of its buttons, which callers may take as
        // a yes.
        QAbstractButton* answer = box->button(QMessageBox::Cancel);
        for (const auto other : {QMessageBox::No, QMessageBox::Ok, QMessageBox::Close}) {
            if (!answer)
                answer = box->button(other);
        }
        if (answer)
            answer->click();
        else
            box->reject();
    } else if (auto* dialog = qobject_cast<QDialog*>(&window)) {
        if (m_pStop->confirm)
            dialog->accept();
        else
            dialog->reject();
    } else {
        window.close();
    }
}
