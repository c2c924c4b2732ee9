// Everything a form of the program needs: the form base, every kind of control and the runtime.
#pragma once
#include "ui/basic_controls.h"
#include "ui/check_box.h"
#include "ui/file_lists.h"
#include "ui/form.h"
#include "ui/list_control.h"
#include "ui/picture.h"
#include "ui/runtime.h"
#include "ui/text_box.h"
#include "ui/timer.h"
