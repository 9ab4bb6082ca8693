#pragma once

#include "MainWindowFixture.h"

#include "library/window/CLibraryGrid.h"
#include "library/window/CSymbolDlg.h"
#include "objects/CDibObj.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QMouseEvent>

#include <functional>

// The main window with library entries of the test's own, and a user's
// pick in the library window.
class MainFrameLibraryFixture : public MainWindowFixture
{
protected:
    QString Folder(CLibraryModel::Kind kind) const { return app->LibraryFolder(kind); }

    void AddEntry(CLibraryModel::Kind kind, const QString& name, std::uint32_t flags, int w = 40, int h = 20)
    {
        QDir().mkpath(Folder(kind));
        CDibImage image;
        ASSERT_TRUE(image.Create(w, h, kind == CLibraryModel::material ? 1 : 24, RGB(255, 255, 255)));
        CDibObj entry;
        ASSERT_TRUE(entry.SetImageFrom(&image, flags, false));
        entry.SetBounds(0, 0, w * 10, h * 10);
        ASSERT_TRUE(entry.WriteSymbolFile(QDir(Folder(kind)).filePath(name + QStringLiteral(".vls"))));
    }

    // In the library window: the row of a name double-clicked, as the user
    // picks an entry.
    static std::function<void(QDialog&)> Pick(const QString& name)
    {
        return [name](QDialog& dialog) {
            auto& library = dynamic_cast<CSymbolDlg&>(dialog);
            const int row = library.Model().RowOf(name);
            ASSERT_GE(row, 0) << name.toStdString();
            library.Grid()->doItemsLayout();
            library.Grid()->SelectRow(row);
            const QRect cell = library.Grid()->visualRect(library.Model().index(row));
            // As the window system delivers a double click: press, release,
            // press and double click, release.
            QWidget* viewport = library.Grid()->viewport();
            const QPointF at = cell.center();
            const QPointF global = viewport->mapToGlobal(at);
            for (auto [type, buttons] : {std::pair{QEvent::MouseButtonPress, Qt::LeftButton},
                                         std::pair{QEvent::MouseButtonRelease, Qt::NoButton},
                                         std::pair{QEvent::MouseButtonPress, Qt::LeftButton},
                                         std::pair{QEvent::MouseButtonDblClick, Qt::LeftButton},
                                         std::pair{QEvent::MouseButtonRelease, Qt::NoButton}}) {
                QMouseEvent event(type, at, global, Qt::LeftButton, buttons, {});
                QApplication::sendEvent(viewport, &event);
            }
        };
    }

    std::vector<CSymbolObj*> OfKind(std::uint32_t kind) const
    {
        std::vector<CSymbolObj*> found;
        for (CSymbolObj* object : doc.GetObjects())
            if (object->HasFlag(kind))
                found.push_back(object);
        return found;
    }
};
