#include "MyTextEdit.h"

MyTextEdit::MyTextEdit(QWidget* parent) : QTextEdit(parent) {}
