// Drives ZarnelX2Pro.ZarnelX from JScript through its type library, as a script user does: creation
// by ProgID, the defaults of a fresh control, members written and read back, the methods, the errors
// the control raises with their descriptions, and its Font object. Each failed check is printed with
// what was expected and what came; the last line is "SCRIPT END", and the exit code is 1 when a check
// failed. An error a section does not expect ends that section as a failure; the others still run.

var ProgID = "ZarnelX2Pro.ZarnelX";
var EUnexpected = 0x8000FFFF;

var failures = 0;

function section(name) {
  WScript.Echo("== " + name);
}

function fail(what, expected, actual) {
  failures++;
  WScript.Echo("FAIL " + what + ": expected " + expected + ", actual " + actual);
}

function shown(value) {
  return typeof value == "string" ? '"' + value + '"' : String(value) + " (" + typeof value + ")";
}

function hex(number) {
  return "0x" + (number >>> 0).toString(16).toUpperCase();
}

// Strict: a Boolean member must come back as true or false, a number as a number.
function expect(what, actual, expected) {
  if (actual !== expected) fail(what, shown(expected), shown(actual));
}

function expectAbove(what, actual, bound) {
  if (typeof actual != "number" || !(actual > bound)) fail(what, "a number above " + bound, shown(actual));
}

// Each [member, value] read back from o.
function expectMembers(o, table) {
  for (var i = 0; i < table.length; i++) expect(table[i][0], o[table[i][0]], table[i][1]);
}

// body must raise the control's error: E_UNEXPECTED with the control's own message.
function expectControlError(what, description, body) {
  try {
    body();
  } catch (e) {
    expect(what + ": number", hex(e.number), hex(EUnexpected));
    expect(what + ": description", e.description, description);
    return;
  }
  fail(what, 'the error "' + description + '"', "no error");
}

function newControl() {
  return new ActiveXObject(ProgID);
}

function checkDefaults() {
  section("creation by ProgID and the defaults of a fresh control");
  var o = newControl();
  expectMembers(o, [
    ["Min", 0], ["Max", 100], ["Position", 20], ["RepaintStep", 0], ["RepaintStepOffset", 0],
    ["ColorLeft", 0x800000], ["ColorRight", 0xFFFFFF], ["FontColorLeft", 0xFFFFFF], ["FontColorRight", 0],
    ["TransparentColorValue", 0xFFFFFF], ["ShowText", true], ["Text", ""], ["TransparentColor", false],
    ["WrapExceeded", false], ["BevelKind", 0], ["BevelInner", 2], ["BevelOuter", 1], ["BorderWidth", 0],
    ["Enabled", true], ["Visible", true], ["DoubleBuffered", false], ["AlignDisabled", false],
    ["VisibleDockClientCount", 0]
  ]);
  expect("IsRightToLeft()", o.IsRightToLeft(), false);
  expect("UseRightToLeftReading()", o.UseRightToLeftReading(), false);
  expect("UseRightToLeftScrollBar()", o.UseRightToLeftScrollBar(), false);
  expect("DrawTextBiDiModeFlagsReadingOnly()", o.DrawTextBiDiModeFlagsReadingOnly(), 0);
  expectAbove("TextW", o.TextW, 0);
}

// Every value differs from the default, and all are written before any is read back.
function checkRoundTrips() {
  section("members written and read back");
  var o = newControl();
  var table = [
    ["ShowText", false], ["TransparentColor", true], ["Enabled", false], ["Visible", false],
    ["DoubleBuffered", true], ["ColorLeft", 0x123456], ["ColorRight", 0x8000000F],
    ["FontColorLeft", 0x80000005], ["FontColorRight", 0xABCDEF], ["TransparentColorValue", 0x8000000D],
    ["Text", "Caf\u00E9 gr\u00FC\u00DFe \u20AC"], ["RepaintStep", 4], ["RepaintStepOffset", 2],
    ["BevelKind", 2], ["BevelInner", 3], ["BevelOuter", 0], ["BorderWidth", 3], ["Min", -10], ["Max", 60]
  ];
  for (var i = 0; i < table.length; i++) o[table[i][0]] = table[i][1];
  expectMembers(o, table);
}

function checkPositions() {
  section("Position clamped, or wrapped with WrapExceeded");
  var o = newControl();
  o.Position = 150;
  expect("Position = 150 stops at Max", o.Position, 100);
  o.Position = -5;
  expect("Position = -5 stops at Min", o.Position, 0);
  o.AddPosition(35);
  expect("AddPosition(35) from 0", o.Position, 35);
  o.WrapExceeded = true;
  expect("WrapExceeded", o.WrapExceeded, true);
  o.Position = 150;
  expect("Position = 150 wraps", o.Position, 50);
  o.AddPosition(75);
  expect("AddPosition(75) from 50 wraps", o.Position, 25);
}

function checkMethods() {
  section("LoadFromFile results, ResetCustomBitMap, InitiateAction, SetSubComponent");
  var o = newControl();
  var script = WScript.ScriptFullName;
  expect("LoadFromFile of a missing .bmp", o.LoadFromFile(script + ".missing.bmp"), 2);
  expect("LoadFromFile of an existing .js", o.LoadFromFile(script), 1);
  o.ResetCustomBitMap();
  o.InitiateAction();
  o.SetSubComponent(true);
}

function checkErrors() {
  section("errors the control raises, with their descriptions");
  var o = newControl();
  o.BevelKind = 1;
  o.BorderWidth = 2;
  expectControlError("BevelKind = 7", "Invalid property value", function () { o.BevelKind = 7; });
  expect("BevelKind after 7", o.BevelKind, 1);
  expectControlError("BorderWidth = -1", "Invalid property value", function () { o.BorderWidth = -1; });
  expect("BorderWidth after -1", o.BorderWidth, 2);
  expectControlError("LoadFromResourceID(0, 9999)", "Resource #9999 not found", function () {
    o.LoadFromResourceID(0, 9999);
  });
  expectControlError("LoadFromResourceID(0, 0)", "Resource identifier 0 is out of range 1..65535",
                     function () { o.LoadFromResourceID(0, 0); });
  expectControlError('LoadFromResourceName(0, "NOSUCHPICTURE")', "Resource NOSUCHPICTURE not found",
                     function () { o.LoadFromResourceName(0, "NOSUCHPICTURE"); });
  expectControlError("LoadFromResourceID(12345, 1)", "Invalid module handle", function () {
    o.LoadFromResourceID(12345, 1);
  });
}

function checkFont() {
  section("the Font object");
  var o = newControl();
  var f = o.Font;
  expect("Font.Name", f.Name, "MS Sans Serif");
  // The control's 8 points ask for an 11-pixel font; an automation font reports the size it got.
  expect("Font.Size", f.Size, 8.25);
  f.Size = 12;
  expect("o.Font.Size after f.Size = 12", o.Font.Size, 12);
  o.Font = f;
  expect("o.Font.Size after o.Font = f", o.Font.Size, 12);

  section("another font object given to a control whose font was read before");
  var g = new ActiveXObject("StdFont");
  g.Name = "Tahoma";
  g.Size = 10;
  o.Font = g;
  expect("o.Font.Name after o.Font = g", o.Font.Name, "Tahoma");
  expect("o.Font.Size after o.Font = g", o.Font.Size, g.Size);
}

var checks = [checkDefaults, checkRoundTrips, checkPositions, checkMethods, checkErrors, checkFont];
for (var i = 0; i < checks.length; i++) {
  try {
    checks[i]();
  } catch (e) {
    fail("the section to run to its end", "no error", hex(e.number) + ' "' + e.description + '"');
  }
}
WScript.Echo("SCRIPT END: " + failures + " failed check(s)");
WScript.Quit(failures == 0 ? 0 : 1);
