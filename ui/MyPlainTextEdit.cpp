#include "MyPlainTextEdit.h"

MyPlainTextEdit::MyPlainTextEdit(QWidget* parent) : QPlainTextEdit(parent) {}
