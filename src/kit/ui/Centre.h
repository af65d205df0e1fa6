#pragma once

class QWidget;

// Every window of the program opens in the middle of the screen.
void centreOnScreen(QWidget *window);
