#include "CAboutDlg.h"

#include "Version.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QVBoxLayout>

const QString& CAboutDlg::Copyright()
{
    static const QString text = QString::fromUtf8(VELDRA_COPYRIGHT_TEXT);
    return text;
}

const QString& CAboutDlg::Version()
{
    static const QString text = QString::fromUtf8(VELDRA_VERSION_TEXT);
    return text;
}

CAboutDlg::CAboutDlg(QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(tr("About Veldra2"));
    auto* icon = new QLabel(this);
    icon->setPixmap(QIcon(QStringLiteral(":/shell/veldra2.svg")).pixmap(64, 64));
    icon->setAlignment(Qt::AlignTop);

    auto* name = new QLabel(QStringLiteral("<b>Veldra2</b>"), this);
    QFont large = name->font();
    large.setPointSizeF(large.pointSizeF() * 1.4);
    name->setFont(large);
    auto* version = new QLabel(tr("Version %1").arg(Version()), this);
    version->setObjectName(QStringLiteral("version"));
    auto* purpose = new QLabel(tr("Lays out and engraves metal plates."), this);
    auto* copyright = new QLabel(Copyright(), this);
    copyright->setObjectName(QStringLiteral("1176"));
    copyright->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* texts = new QVBoxLayout;
    for (QLabel* label : {name, version, purpose, copyright})
        texts->addWidget(label);
    auto* row = new QHBoxLayout;
    row->addWidget(icon);
    row->addSpacing(12);
    row->addLayout(texts, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}
