// The Edit commands of the view: the clipboard in both directions, Delete
// and Move Center.
#include "ViewTestSupport.h"

#include "document/CObjectClipboard.h"
#include "objects/CDibObj.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>

TEST_F(ViewFixture, CopyAndPasteAnObjectKeepsItsPlaceAndAddsOneUndoStepEach)
{
    CSymbolObj* picture = Add(Picture("kept", 1200, -800, 1000, 500));
    view->SetSelection(picture);
    ASSERT_TRUE(view->OnCommand(CommandId::EditCopy));
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    ASSERT_TRUE(data->hasFormat(QString::fromLatin1(CObjectClipboard::objectMimeType)));
    // Other programs get the picture too.
    EXPECT_TRUE(data->hasFormat(QString::fromLatin1(CObjectClipboard::bitmapMimeType)));
    EXPECT_TRUE(data->hasImage());

    CCommandState paste;
    view->OnUpdateCommand(CommandId::EditPaste, paste);
    EXPECT_TRUE(paste.enabled);
    view->OnCommand(CommandId::EditPaste);
    view->OnCommand(CommandId::EditPaste);
    ASSERT_EQ(doc.GetObjectCount(), 3);
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(doc.GetObjectAt(i)->m_strName, QByteArray("kept"));
        EXPECT_EQ(doc.GetObjectAt(i)->GetPosition(), (CPoint{1200, -800}));
    }
    EXPECT_EQ(view->Selection(), doc.GetObjectAt(0));
    EXPECT_EQ(doc.UndoHistory().UndoCount(), 2);
}

TEST_F(ViewFixture, CutRemovesTheObjectAndPasteBringsItBack)
{
    CSymbolObj* picture = Add(Picture("cut", 300, 300));
    view->SetSelection(picture);
    doc.SetModifiedFlag(false);
    view->OnCommand(CommandId::EditCut);
    EXPECT_EQ(doc.GetObjectCount(), 0);
    // Closing now must ask about the change.
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(view->Selection(), nullptr);
    CCommandState copy;
    view->OnUpdateCommand(CommandId::EditCopy, copy);
    EXPECT_FALSE(copy.enabled);
    view->OnCommand(CommandId::EditPaste);
    ASSERT_EQ(doc.GetObjectCount(), 1);
    EXPECT_EQ(doc.GetObjectAt(0)->GetPosition(), (CPoint{300, 300}));
}

// Its transparent half stays transparent on the plate.
TEST_F(ViewFixture, AnImageFromAnotherProgramBecomesClipboardData)
{
    QImage image(40, 20, QImage::Format_ARGB32);
    image.fill(qRgba(10, 200, 30, 255));
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x)
            image.setPixel(x, y, qRgba(255, 255, 255, 0));
    auto* data = new QMimeData;
    data->setImageData(image);
    QGuiApplication::clipboard()->setMimeData(data);
    view->OnCommand(CommandId::EditPaste);
    ASSERT_EQ(doc.GetObjectCount(), 1);
    EXPECT_EQ(doc.GetObjectAt(0)->m_strName, QByteArray("Clipboard Data"));
    const CDibImage& pasted = static_cast<CDibObj*>(doc.GetObjectAt(0))->StoredImage();
    EXPECT_EQ(pasted.GetPixel(1, 1), transparentKey);
    EXPECT_EQ(pasted.GetPixel(pasted.Width() - 2, 1), RGB(10, 200, 30));
}

TEST_F(ViewFixture, ABitmapFileOnTheClipboardIsReadByOurOwnReader)
{
    // A 2 x 1 bitmap file written by hand: file header, info header, one
    // row of two pixels padded to 8 bytes.
    QByteArray bmp("BM", 2);
    const auto le32 = [&](quint32 v) { for (int i = 0; i < 4; ++i) bmp.append(char(v >> (8 * i))); };
    const auto le16 = [&](quint16 v) { bmp.append(char(v)); bmp.append(char(v >> 8)); };
    le32(14 + 40 + 8); le16(0); le16(0); le32(14 + 40);
    le32(40); le32(2); le32(1); le16(1); le16(24); le32(0); le32(8); le32(0); le32(0); le32(0); le32(0);
    bmp.append("\x00\x00\xff" "\x00\xff\x00" "\x00\x00", 8);
    QMimeData data;
    data.setData(QString::fromLatin1(CObjectClipboard::bitmapMimeType), bmp);
    CDibImage image;
    ASSERT_TRUE(CObjectClipboard::ReadImage(&data, image));
    EXPECT_EQ(image.Width(), 2);
    EXPECT_EQ(image.GetPixel(0, 0), RGB(255, 0, 0));
    EXPECT_EQ(image.GetPixel(1, 0), RGB(0, 255, 0));

    // Other programs may leave a gap (a colour profile, padding) between the
    // headers and the pixels: the file header's pixel offset says where
    // they start.
    QByteArray gapped = bmp.left(14 + 40) + QByteArray(16, '\x55') + bmp.mid(14 + 40);
    gapped[10] = char(14 + 40 + 16);
    gapped[2] = char(gapped.size());
    data.setData(QString::fromLatin1(CObjectClipboard::bitmapMimeType), gapped);
    CDibImage fromGap;
    ASSERT_TRUE(CObjectClipboard::ReadImage(&data, fromGap));
    EXPECT_EQ(fromGap.GetPixel(0, 0), RGB(255, 0, 0));
    EXPECT_EQ(fromGap.GetPixel(1, 0), RGB(0, 255, 0));
}

TEST_F(ViewFixture, DamagedPrivateDataPastesNothing)
{
    for (const QByteArray& bytes : {QByteArray(), QByteArray("\xff\xff\x01\x00\x0b", 5), QByteArray(7000, '\x7f')}) {
        auto* data = new QMimeData;
        data->setData(QString::fromLatin1(CObjectClipboard::objectMimeType), bytes);
        QGuiApplication::clipboard()->setMimeData(data);
        view->OnCommand(CommandId::EditPaste);
    }
    EXPECT_EQ(doc.GetObjectCount(), 0);
    EXPECT_FALSE(doc.CanUndo());
}

TEST_F(ViewFixture, DeleteAndMoveCenterWorkOnTheSelection)
{
    CSymbolObj* keep = Add(Picture("keep", 700, 700));
    CSymbolObj* gone = Add(Picture("gone"));
    view->SetSelection(keep);
    view->OnCommand(CommandId::MoveCenter);
    EXPECT_EQ(keep->GetPosition(), (CPoint{0, 0}));
    EXPECT_EQ(view->Selection(), keep);
    view->SetSelection(gone);
    view->OnCommand(CommandId::EditClear);
    EXPECT_EQ(doc.GetObjectCount(), 1);
    EXPECT_EQ(view->Selection(), nullptr);
    doc.Undo();
    EXPECT_EQ(doc.GetObjectCount(), 2);
}
