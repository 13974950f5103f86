' Drives ZarnelX2Pro.ZarnelX from VBScript through its type library, as a script user does: creation
' by ProgID, the defaults of a fresh control, every writable member written and read back, the
' methods, the errors the control raises and its Font object. Each failed check is printed with what
' was expected and what came; the last line is "SCRIPT END", and the exit code is 1 when a check
' failed. Wine's cscript ends a script at an error it does not handle silently and with exit code 0:
' the missing last line shows it, and the last "==" line printed says in which section.
'
' Wine's VBScript has no Eval, Execute, GetRef or ChrW, so every member is spelt out. It cannot
' compare an unsigned 32-bit value (the type OLE_COLOR crosses as) either; CDbl makes one comparable.
Option Explicit

Const ProgID = "ZarnelX2Pro.ZarnelX"
Const vbUnsignedLong = 19
Const EUnexpected = &H8000FFFF
' VBScript's own error numbers.
Const ErrOverflow = 6
Const ErrNoSuchMember = 438

Dim failures : failures = 0
Dim caughtNumber, caughtDescription, caughtSource

Sub Section(name)
  WScript.Echo "== " & name
End Sub

Sub Fail(what, expected, actual)
  failures = failures + 1
  WScript.Echo "FAIL " & what & ": expected " & expected & ", actual " & actual
End Sub

Function Shown(value)
  If IsObject(value) Then
    Shown = "an object"
  ElseIf VarType(value) = vbString Then
    Shown = """" & value & """"
  Else
    Shown = CStr(value) & " (VarType " & VarType(value) & ")"
  End If
End Function

Function Comparable(value)
  If VarType(value) = vbUnsignedLong Then Comparable = CDbl(value) Else Comparable = value
End Function

' The unsigned reading of a 32-bit literal such as &H8000000F&, which VBScript makes negative.
Function Unsigned(value)
  If value < 0 Then Unsigned = value + 4294967296 Else Unsigned = value
End Function

' The value and its automation type: a member comes back as the type the type library declares.
Sub Expect(what, actual, expected, expectedType)
  If VarType(actual) <> expectedType Then
    Fail what, Shown(expected) & " of VarType " & expectedType, Shown(actual)
  ElseIf Comparable(actual) <> expected Then
    Fail what, Shown(expected), Shown(actual)
  End If
End Sub

Sub ExpectAbove(what, actual, bound, expectedType)
  If VarType(actual) <> expectedType Or Not (actual > bound) Then
    Fail what, "more than " & Shown(bound) & " of VarType " & expectedType, Shown(actual)
  End If
End Sub

' Right after a statement run under On Error Resume Next: keeps the error it raised and clears it, so
' that the caller can switch error handling off again before checking.
Sub Catch()
  caughtNumber = Err.Number
  caughtDescription = Err.Description
  caughtSource = Err.Source
  Err.Clear
End Sub

' An error the control raised: E_UNEXPECTED with the control's message and its ProgID as the source.
Sub ExpectControlError(what, description)
  If caughtNumber = 0 Then
    Fail what, "the error """ & description & """", "no error"
  Else
    Expect what & ": Err.Number", caughtNumber, EUnexpected, vbLong
    Expect what & ": Err.Description", caughtDescription, description, vbString
    Expect what & ": Err.Source", caughtSource, ProgID, vbString
  End If
End Sub

' An error raised before the control was reached: no such member, or a value the declared type cannot hold.
Sub ExpectScriptError(what, number)
  If caughtNumber = 0 Then
    Fail what, "error " & number, "no error"
  Else
    Expect what & ": Err.Number", caughtNumber, number, vbLong
  End If
End Sub

Function NewControl()
  Set NewControl = CreateObject(ProgID)
End Function

' A file of the source tree this script belongs to, found from the script's own path.
Function SourceFile(relativePath)
  Dim path : path = WScript.ScriptFullName
  SourceFile = Left(path, InStrRev(path, "\tests\ocx\scripts\")) & relativePath
End Function

Sub CheckDefaults()
  Section "creation by ProgID and the defaults of a fresh control"
  Dim o : Set o = NewControl()
  Expect "TypeName", TypeName(o), "IZarnelX", vbString
  Expect "Min", o.Min, 0, vbLong
  Expect "Max", o.Max, 100, vbLong
  Expect "Position", o.Position, 20, vbLong
  Expect "RepaintStep", o.RepaintStep, 0, vbByte
  Expect "RepaintStepOffset", o.RepaintStepOffset, 0, vbByte
  Expect "ColorLeft", o.ColorLeft, &H800000, vbUnsignedLong
  Expect "ColorRight", o.ColorRight, &HFFFFFF, vbUnsignedLong
  Expect "FontColorLeft", o.FontColorLeft, &HFFFFFF, vbUnsignedLong
  Expect "FontColorRight", o.FontColorRight, 0, vbUnsignedLong
  Expect "TransparentColorValue", o.TransparentColorValue, &HFFFFFF, vbUnsignedLong
  Expect "ShowText", o.ShowText, True, vbBoolean
  Expect "Text", o.Text, "", vbString
  Expect "TransparentColor", o.TransparentColor, False, vbBoolean
  Expect "WrapExceeded", o.WrapExceeded, False, vbBoolean
  Expect "BevelKind", o.BevelKind, 0, vbLong
  Expect "BevelInner", o.BevelInner, 2, vbLong
  Expect "BevelOuter", o.BevelOuter, 1, vbLong
  Expect "BorderWidth", o.BorderWidth, 0, vbLong
  Expect "Enabled", o.Enabled, True, vbBoolean
  Expect "Visible", o.Visible, True, vbBoolean
  Expect "DoubleBuffered", o.DoubleBuffered, False, vbBoolean
  Expect "AlignDisabled", o.AlignDisabled, False, vbBoolean
  Expect "VisibleDockClientCount", o.VisibleDockClientCount, 0, vbLong
  Expect "IsRightToLeft", o.IsRightToLeft, False, vbBoolean
  Expect "UseRightToLeftReading", o.UseRightToLeftReading, False, vbBoolean
  Expect "UseRightToLeftScrollBar", o.UseRightToLeftScrollBar, False, vbBoolean
  Expect "DrawTextBiDiModeFlagsReadingOnly", o.DrawTextBiDiModeFlagsReadingOnly, 0, vbLong
  ExpectAbove "TextW", o.TextW, 0, vbLong
End Sub

Sub CheckBooleans()
  Section "Boolean members written both ways"
  Dim o : Set o = NewControl()
  o.ShowText = False
  o.TransparentColor = True
  o.WrapExceeded = True
  o.Enabled = False
  o.Visible = False
  o.DoubleBuffered = True
  Expect "ShowText = False", o.ShowText, False, vbBoolean
  Expect "TransparentColor = True", o.TransparentColor, True, vbBoolean
  Expect "WrapExceeded = True", o.WrapExceeded, True, vbBoolean
  Expect "Enabled = False", o.Enabled, False, vbBoolean
  Expect "Visible = False", o.Visible, False, vbBoolean
  Expect "DoubleBuffered = True", o.DoubleBuffered, True, vbBoolean
  o.ShowText = True
  o.TransparentColor = False
  o.WrapExceeded = False
  o.Enabled = True
  o.Visible = True
  o.DoubleBuffered = False
  Expect "ShowText = True", o.ShowText, True, vbBoolean
  Expect "TransparentColor = False", o.TransparentColor, False, vbBoolean
  Expect "WrapExceeded = False", o.WrapExceeded, False, vbBoolean
  Expect "Enabled = True", o.Enabled, True, vbBoolean
  Expect "Visible = True", o.Visible, True, vbBoolean
  Expect "DoubleBuffered = False", o.DoubleBuffered, False, vbBoolean
End Sub

' All five written before any is read back, each with its own value, so that crossed members show.
' The trailing & keeps a literal a Long: &H00FF00 alone is the Integer -256.
Sub CheckColours()
  Section "colour members, plain and system colours"
  Dim o : Set o = NewControl()
  o.ColorLeft = &H123456&
  o.ColorRight = &H00FF00&
  o.FontColorLeft = &H0000FF&
  o.FontColorRight = &HABCDEF&
  o.TransparentColorValue = &H010203&
  Expect "ColorLeft = &H123456&", o.ColorLeft, &H123456&, vbUnsignedLong
  Expect "ColorRight = &H00FF00&", o.ColorRight, &H00FF00&, vbUnsignedLong
  Expect "FontColorLeft = &H0000FF&", o.FontColorLeft, &H0000FF&, vbUnsignedLong
  Expect "FontColorRight = &HABCDEF&", o.FontColorRight, &HABCDEF&, vbUnsignedLong
  Expect "TransparentColorValue = &H010203&", o.TransparentColorValue, &H010203&, vbUnsignedLong
  o.ColorLeft = &H8000000F&
  o.ColorRight = &H80000005&
  o.FontColorLeft = &H8000000E&
  o.FontColorRight = &H80000012&
  o.TransparentColorValue = &H8000000D&
  Expect "ColorLeft = &H8000000F&", o.ColorLeft, Unsigned(&H8000000F&), vbUnsignedLong
  Expect "ColorRight = &H80000005&", o.ColorRight, Unsigned(&H80000005&), vbUnsignedLong
  Expect "FontColorLeft = &H8000000E&", o.FontColorLeft, Unsigned(&H8000000E&), vbUnsignedLong
  Expect "FontColorRight = &H80000012&", o.FontColorRight, Unsigned(&H80000012&), vbUnsignedLong
  Expect "TransparentColorValue = &H8000000D&", o.TransparentColorValue, Unsigned(&H8000000D&), vbUnsignedLong
End Sub

Sub CheckRange()
  Section "Min, Max and Position kept inside the range"
  Dim o : Set o = NewControl()
  o.Max = 200
  o.Min = -50
  Expect "Max = 200", o.Max, 200, vbLong
  Expect "Min = -50", o.Min, -50, vbLong
  Expect "Position after the range grew", o.Position, 20, vbLong
  o.Position = 250
  Expect "Position = 250 stops at Max", o.Position, 200, vbLong
  o.Position = -100
  Expect "Position = -100 stops at Min", o.Position, -50, vbLong
  o.AddPosition 30
  Expect "AddPosition 30 from -50", o.Position, -20, vbLong
  o.AddPosition 1000
  Expect "AddPosition 1000 stops at Max", o.Position, 200, vbLong
  o.Max = 150
  Expect "Position follows the lowered Max", o.Position, 150, vbLong
  o.Position = 0
  o.Min = 300
  Expect "Min = 300 above Max becomes Max - 1", o.Min, 149, vbLong
  Expect "Position follows the raised Min", o.Position, 149, vbLong
  o.Max = 100
  Expect "Max = 100 below Min becomes Min + 1", o.Max, 150, vbLong
  Expect "Position after Max was raised to Min + 1", o.Position, 149, vbLong
End Sub

Sub CheckWrap()
  Section "Position beyond Max wraps with WrapExceeded"
  Dim o : Set o = NewControl()
  o.Position = 100
  o.WrapExceeded = True
  Expect "WrapExceeded leaves the current Position", o.Position, 100, vbLong
  o.Position = 150
  Expect "Position = 150 wraps", o.Position, 50, vbLong
  o.Position = 230
  Expect "Position = 230 wraps", o.Position, 30, vbLong
  o.AddPosition 90
  Expect "AddPosition 90 from 30 wraps", o.Position, 20, vbLong
  o.Min = 40
  o.Position = 70
  o.Position = 130
  Expect "a remainder below Min restarts at Min", o.Position, 40, vbLong
  o.WrapExceeded = False
  o.Position = 150
  Expect "Position = 150 without WrapExceeded stops at Max", o.Position, 100, vbLong
End Sub

Sub CheckText()
  Section "Text in the ANSI code page, and the caption's width"
  Dim o : Set o = NewControl()
  Dim width : width = o.TextW
  ' Chr takes codes of the ANSI code page, 1252: e acute, u umlaut, sharp s, the euro sign.
  Dim accented : accented = "Caf" & Chr(233) & " gr" & Chr(252) & Chr(223) & "e " & Chr(128)
  o.Text = accented
  Expect "Text = " & accented, o.Text, accented, vbString
  ExpectAbove "TextW with a caption before the percentage", o.TextW, width, vbLong
  o.Text = ""
  Expect "Text = """"", o.Text, "", vbString
  Expect "TextW without the caption again", o.TextW, width, vbLong
End Sub

Sub CheckRepaintSteps()
  Section "RepaintStep and RepaintStepOffset"
  Dim o : Set o = NewControl()
  o.RepaintStep = 4
  o.RepaintStepOffset = 2
  Expect "RepaintStep = 4", o.RepaintStep, 4, vbByte
  Expect "RepaintStepOffset = 2", o.RepaintStepOffset, 2, vbByte
  ' Both are bytes in the type library: a wider value does not reach the control.
  On Error Resume Next
  o.RepaintStep = 256
  Catch
  On Error GoTo 0
  ExpectScriptError "RepaintStep = 256", ErrOverflow
  Expect "RepaintStep after 256", o.RepaintStep, 4, vbByte
  On Error Resume Next
  o.RepaintStepOffset = -1
  Catch
  On Error GoTo 0
  ExpectScriptError "RepaintStepOffset = -1", ErrOverflow
  Expect "RepaintStepOffset after -1", o.RepaintStepOffset, 2, vbByte
End Sub

Sub CheckFrame()
  Section "bevels and border, and the values the control refuses"
  Dim o : Set o = NewControl()
  o.BevelKind = 3
  o.BevelInner = 0
  o.BevelOuter = 3
  o.BorderWidth = 4
  Expect "BevelKind = 3", o.BevelKind, 3, vbLong
  Expect "BevelInner = 0", o.BevelInner, 0, vbLong
  Expect "BevelOuter = 3", o.BevelOuter, 3, vbLong
  Expect "BorderWidth = 4", o.BorderWidth, 4, vbLong
  On Error Resume Next
  o.BevelKind = 7
  Catch
  On Error GoTo 0
  ExpectControlError "BevelKind = 7", "Invalid property value"
  Expect "BevelKind after 7", o.BevelKind, 3, vbLong
  On Error Resume Next
  o.BevelInner = 4
  Catch
  On Error GoTo 0
  ExpectControlError "BevelInner = 4", "Invalid property value"
  Expect "BevelInner after 4", o.BevelInner, 0, vbLong
  On Error Resume Next
  o.BevelOuter = 200
  Catch
  On Error GoTo 0
  ExpectControlError "BevelOuter = 200", "Invalid property value"
  Expect "BevelOuter after 200", o.BevelOuter, 3, vbLong
  On Error Resume Next
  o.BorderWidth = -1
  Catch
  On Error GoTo 0
  ExpectControlError "BorderWidth = -1", "Invalid property value"
  Expect "BorderWidth after -1", o.BorderWidth, 4, vbLong
End Sub

Sub CheckReadOnlyMembers()
  Section "read-only members refuse writes"
  Dim o : Set o = NewControl()
  On Error Resume Next
  o.AlignDisabled = True
  Catch
  On Error GoTo 0
  ExpectScriptError "AlignDisabled = True", ErrNoSuchMember
  On Error Resume Next
  o.VisibleDockClientCount = 3
  Catch
  On Error GoTo 0
  ExpectScriptError "VisibleDockClientCount = 3", ErrNoSuchMember
  On Error Resume Next
  o.TextW = 10
  Catch
  On Error GoTo 0
  ExpectScriptError "TextW = 10", ErrNoSuchMember
End Sub

Sub CheckPictureMethods()
  Section "LoadFromFile results, ResetCustomBitMap, InitiateAction, SetSubComponent"
  Dim o : Set o = NewControl()
  Dim missing : missing = SourceFile("tests\ocx\scripts\no such picture")
  Expect "LoadFromFile of a missing .bmp", o.LoadFromFile(missing & ".bmp"), 2, vbLong
  Expect "LoadFromFile of a missing .JPG", o.LoadFromFile(missing & ".JPG"), 2, vbLong
  Expect "LoadFromFile of an existing .vbs", o.LoadFromFile(WScript.ScriptFullName), 1, vbLong
  Expect "LoadFromFile of a bitmap", o.LoadFromFile(SourceFile("resources\ZarnelXGlyph.bmp")), 0, vbLong
  o.ResetCustomBitMap
  o.InitiateAction
  o.SetSubComponent True
End Sub

Sub CheckResourceErrors()
  Section "errors of LoadFromResourceID and LoadFromResourceName"
  Dim o : Set o = NewControl()
  On Error Resume Next
  o.LoadFromResourceID 0, 9999
  Catch
  On Error GoTo 0
  ExpectControlError "LoadFromResourceID 0, 9999", "Resource #9999 not found"
  On Error Resume Next
  o.LoadFromResourceID 0, 0
  Catch
  On Error GoTo 0
  ExpectControlError "LoadFromResourceID 0, 0", "Resource identifier 0 is out of range 1..65535"
  On Error Resume Next
  o.LoadFromResourceName 0, "NOSUCHPICTURE"
  Catch
  On Error GoTo 0
  ExpectControlError "LoadFromResourceName 0, ""NOSUCHPICTURE""", "Resource NOSUCHPICTURE not found"
  On Error Resume Next
  o.LoadFromResourceID 12345, 1
  Catch
  On Error GoTo 0
  ExpectControlError "LoadFromResourceID 12345, 1", "Invalid module handle"
End Sub

Sub CheckFont()
  Section "the Font object"
  Dim o : Set o = NewControl()
  Dim f : Set f = o.Font
  Expect "Font.Name", f.Name, "MS Sans Serif", vbString
  ' The control's 8 points ask for an 11-pixel font; an automation font reports the size it got.
  Expect "Font.Size", f.Size, 8.25, vbCurrency
  f.Size = 12
  Expect "o.Font.Size after f.Size = 12", o.Font.Size, 12, vbCurrency
  Expect "o.Font Is f", o.Font Is f, True, vbBoolean
  Set o.Font = f
  Expect "o.Font.Size after Set o.Font = f", o.Font.Size, 12, vbCurrency
  Expect "o.Font.Name after Set o.Font = f", o.Font.Name, "MS Sans Serif", vbString

  Section "another font object given to a control whose font was read before"
  Dim g : Set g = CreateObject("StdFont")
  g.Name = "Tahoma"
  g.Size = 10
  Set o.Font = g
  Expect "o.Font.Name after Set o.Font = g", o.Font.Name, "Tahoma", vbString
  Expect "o.Font.Size after Set o.Font = g", o.Font.Size, g.Size, vbCurrency
  g.Size = 14
  Expect "o.Font.Size after g.Size = 14", o.Font.Size, g.Size, vbCurrency

  Section "another font object given to a fresh control"
  Set o = NewControl()
  Set o.Font = g
  Expect "o.Font.Name after Set o.Font = g", o.Font.Name, "Tahoma", vbString
  Expect "o.Font.Size after Set o.Font = g", o.Font.Size, g.Size, vbCurrency
End Sub

CheckDefaults
CheckBooleans
CheckColours
CheckRange
CheckWrap
CheckText
CheckRepaintSteps
CheckFrame
CheckReadOnlyMembers
CheckPictureMethods
CheckResourceErrors
CheckFont
WScript.Echo "SCRIPT END: " & failures & " failed check(s)"
If failures = 0 Then WScript.Quit 0 Else WScript.Quit 1
