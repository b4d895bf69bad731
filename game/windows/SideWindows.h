#pragma once
#include <QWidget>

// The radar window Form3.
class RadarWindow : public QWidget {
    Q_OBJECT
public:
    RadarWindow();
};

// The question-and-answer help window Form4.
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    HelpWindow();
};
