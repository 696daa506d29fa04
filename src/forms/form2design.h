#pragma once

struct FormDesign;

// The help window as designed.
const FormDesign &form2Design();
