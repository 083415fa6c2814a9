#include "app/Tf_rejfor_gl.h"

#include "app/sort_cursor.h"
#include "app/startup.h"
#include "common/ui_messages.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMenuBar>
#include <QProgressBar>
#include <QStatusBar>

Tf_rejfor_gl::Tf_rejfor_gl(QWidget* parent) : QMainWindow(parent)
{
    setObjectName("f_rejfor_gl");
    setWindowTitle("Zgłoszenia NIP/VAT");
    resize(760, 480);

    wsk_post = new QProgressBar(this);
    wsk_post->setObjectName("wsk_post");
    statusBar()->addPermanentWidget(wsk_post, 1);

    a_koniec = new QAction("&Koniec", this);
    a_koniec->setObjectName("a_koniec");
    connect(a_koniec, &QAction::triggered, this, &QWidget::close);
    menuBar()->addAction(a_koniec);

    FormCreate();
}

void Tf_rejfor_gl::FormCreate()
{
    LoadSortCursor();
    wsk_post->hide();
    inic();
    // The application's activation, not a window's: the program's own message
    // boxes must not start it again.
    connect(qApp, &QGuiApplication::applicationStateChanged, this, &Tf_rejfor_gl::onApplicationStateChanged);
}

void Tf_rejfor_gl::inic()
{
    runGuarded([] { ::inic(UiMessages::current()); });
}

void Tf_rejfor_gl::onApplicationStateChanged(Qt::ApplicationState state)
{
    if (state == Qt::ApplicationActive)
        inic();
}
