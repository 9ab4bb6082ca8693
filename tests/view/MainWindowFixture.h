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

    QTemporaryDir config;
    QTemporaryDir state;
    QTemporaryDir data;
    QTemporaryDir files;
    std::unique_ptr<CVeldraApp> app;
    CVeldraDoc doc;
    CRecentFileList recent;
    std::unique_ptr<CMainFrame> frame;
};
