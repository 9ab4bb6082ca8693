#pragma once

#include "DocumentTestSupport.h"

#include "app/CMainFrame.h"
#include "app/CDocumentManager.h"
#include "app/CVeldraApp.h"
#include "app/shell/CRecentFileList.h"
#include "document/CDocumentFile.h"
#include "platform/CArchive.h"
#include "platform/IPrinterSystem.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

// The program's real main window over a new document, with its settings
// and data folder in temporary folders of the test's own.
class MainWindowFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
        qputenv("XDG_STATE_HOME", QFile::encodeName(state.path()));
        qputenv("VELDRA2_DATA_DIR", QFile::encodeName(data.filePath(QStringLiteral("Veldra2"))));
        app = std::make_unique<CVeldraApp>(PrinterSystem());
        app->Startup();
        app->Settings().systemMeasureIsInches = [] { return false; };
        app->Attach(doc);
        Make();
    }

    // The machine's printers the program sees; none unless a test brings
    // its own scheduler.
    virtual const IPrinterSystem* PrinterSystem() { return nullptr; }

    // A window made anew, as at the next start.
    void Make()
    {
        frame.reset();
        frame = std::make_unique<CMainFrame>(*app, doc, recent, false);
        frame->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(frame.get()));
        frame->Documents().NewDocument();
    }

    // The layout as a save writes it.
    QByteArray LayoutBytes()
    {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        CArchive ar(buffer, CArchive::store);
        ar.m_pDocument = &doc;
        CDocumentFile::Serialize(doc, ar);
        ar.Close();
        return bytes;
    }

    // A line drawing as people have them: a black stroke (x 19 and 20) on a
    // white card (10 to 29), transparent around it, 40 x 40 pixels.
    QString LineDrawing(const QString& name)
    {
        QImage drawing(40, 40, QImage::Format_ARGB32);
        drawing.fill(Qt::transparent);
        for (int y = 10; y < 30; ++y)
            for (int x = 10; x < 30; ++x)
                drawing.setPixel(x, y, x == 19 || x == 20 ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
        const QString path = files.filePath(name);
        EXPECT_TRUE(drawing.save(path));
        return path;
    }

    // A logo as it comes: an SVG of 20 x 10 mm, a white disc on black.
    QString LogoSvg(const QString& name)
    {
        const QString path = files.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(R"(<svg xmlns="http://www.w3.org/2000/svg" width="20mm" height="10mm" viewBox="0 0 200 100">)"
                   R"(<rect width="200" height="100" fill="#000"/><circle cx="100" cy="50" r="37" fill="#fff"/></svg>)");
        return path;
    }

    QTemporaryDir config;
    QTemporaryDir state;
    QTemporaryDir data;
    QTemporaryDir files;
    std::unique_ptr<CVeldraApp> app;
    CVeldraDoc doc;
    CRecentFileList recent;
    std::unique_ptr<CMainFrame> frame;
};
