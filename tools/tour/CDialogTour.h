#pragma once

#include <QImage>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <functional>
#include <vector>

class CMainFrame;
class CVeldraApp;
class CVeldraDoc;
class QFileDialog;
class QWidget;

// Walks through the program's windows the way a user opens them, from the
// running main window: a sample layout is built on the way (a picture, a
// horizontal text, a fan text and a text block, each placed through its real
// dialog), then every dialog, library window and message the menus lead to
// is opened and shown to a visitor before it is closed again. The manual's
// screenshots and the language tests both ride on it.
class CDialogTour
{
public:
    using Visitor = std::function<void(const QString& stop, QWidget& window)>;

    CDialogTour(CMainFrame& frame, CVeldraApp& app, CVeldraDoc& doc);

    // A picture file for the dialogs that start by asking for one.
    void SetPicturePath(const QString& path) { m_picturePath = path; }

    // Visits every stop in order; answers the names of the stops whose
    // window never appeared.
    QStringList Run(const Visitor& visit);

    // The photo the tour places, also handy as a picture file to answer with.
    static QImage SamplePicture();

private:
    struct Stop
    {
        QString name;
        std::function<void()> open;
        bool confirm = false;       // OK rather than Cancel when done
        bool wantsPicture = false;  // a file dialog is answered with the picture
    };

    std::vector<Stop> Stops();
    void Trigger(int command);
    enum class Kind { picture, horizontalText, fanText, textBlock };
    void SelectKind(Kind kind);
    void AddSamplePicture();
    void Poll();
    void AnswerWithPicture(QFileDialog& files);
    void VisitAndClose(QWidget& window);
    QWidget* NewTopLevel() const;
    static QList<QWidget*> VisibleTopLevels();

    CMainFrame& m_frame;
    CVeldraApp& m_app;
    CVeldraDoc& m_doc;
    QString m_picturePath;
    const Visitor* m_pVisit = nullptr;
    const Stop* m_pStop = nullptr;
    bool m_bVisited = false;
    bool m_bAccepting = false;
    QPointer<QWidget> m_pLastVisited;
    QList<QWidget*> m_topLevelsBefore;
    QTimer m_poll;
};
