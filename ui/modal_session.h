#pragma once
// Shows a window modally and returns when the user has closed it.
class QDialog;

void show_modal(QDialog* window);
