// The question window's two handlers. The runtime calls them only through the
// window's event tables (event_tables.cpp), each with the window instance, and
// takes a status back: 0.
#pragma once

#include <cstdint>

#include "question_window.h"

// The window's load event: seeds the random generator.
std::int32_t Form_Load(QuestionWindow* me);

// A click on the button: asks for a question and answers it, or complains.
std::int32_t Command1_Click(QuestionWindow* me);
