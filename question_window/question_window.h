// The question window's instance: the fields its handlers keep between calls.
#pragma once

#include <array>

#include "form_object.h"
#include "text.h"

class QuestionWindow : public rt::FormObject {
public:
    // The reply table: slots 1 to 6 are filled on every click; slot 0 is
    // never written and stays empty. Its size is fixed.
    std::array<rt::BSTR, 7> replies{};
    // The text the input box returned on the most recent click.
    rt::BSTR lastQuestion = nullptr;

    // A new instance, all fields empty, holding one reference.
    static QuestionWindow* create();

protected:
    ~QuestionWindow() override;
};
