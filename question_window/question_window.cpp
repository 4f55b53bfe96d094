#include "question_window.h"

#include "text_ops.h"

QuestionWindow* QuestionWindow::create() { return new QuestionWindow(); }

QuestionWindow::~QuestionWindow() {
    for (rt::BSTR& slot : replies) __vbaFreeStr(&slot);
    __vbaFreeStr(&lastQuestion);
}
