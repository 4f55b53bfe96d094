#include "startup.h"

#include <cstdlib>
#include <exception>

#include <FL/Fl.H>

#include "application.h"
#include "data_error.h"
#include "default_error.h"
#include "project.h"
#include "runtime_error.h"
#include "text.h"
#include "toolkit_options.h"

namespace rt {
namespace {

// What a button click needs to reach its handler.
struct ClickRoute {
    FormObject* instance;
    const EventTable* table;
};

}  // namespace

RunningProgram start_program(const void* project_header) {
    read_toolkit_options();
    // A project image that fails a check stops start-up as a bad project.
    LoadedProject project;
    try {
        project = load_project(project_header);
    } catch (const DataError& e) {
        raise(ErrorNumber::bad_project, e.what());
    }
    set_application_title(utf8_to_utf16(project.application_title));

    // The header names no start-up procedure: the start-up object is the
    // project's one window, whose class the program supplies.
    const FormClass& form_class = program_form_class();
    if (form_class.name != project.window.name) {
        raise(ErrorNumber::bad_project, "The window " + project.window.name + " has no class in the program");
    }
    const EventTable& form_events = find_event_table(form_class, kFormControl, kFormEventCount);
    const EventTable& button_events = find_event_table(form_class, project.window.button.name, kButtonEventCount);

    RunningProgram program;
    program.form_class = &form_class;
    program.window = std::make_unique<FormWindow>(project.window);
    program.instance = form_class.create();
    program.window->show_printed(program.instance->printed());

    static ClickRoute route;  // lives as long as the window, for the whole run
    route = ClickRoute{program.instance, &button_events};
    program.window->button().callback([](Fl_Widget*, void* data) {
        const auto* r = static_cast<const ClickRoute*>(data);
        raise_event(r->instance, *r->table, kButtonClickEvent);
    }, &route);

    // Load runs before the window can take any input.
    raise_event(program.instance, form_events, kFormLoadEvent);
    program.window->show();
    return program;
}

}  // namespace rt

void ThunRTMain(const void* project_header) {
    rt::RunningProgram program;
    try {
        program = rt::start_program(project_header);
        Fl::run();  // returns when the window has closed
    } catch (...) {
        rt::default_error_handling(std::current_exception());
    }
    // Nothing of the program runs on the way out, and nothing is saved.
    std::exit(0);
}
