#include "standinmainwindow.h"

void StandinMainWindow::setWindowTitle(const QString &title)
{
    m_title = title;
    emit geometryChanged();
}

void StandinMainWindow::setGeometry(int x, int y, int width, int height)
{
    m_x = x;
    m_y = y;
    m_width = width;
    m_height = height;
    emit geometryChanged();
}
