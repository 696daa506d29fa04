#pragma once

struct FormDesign;

// The main window as designed: caption, client area and every control.
const FormDesign &form1Design();
