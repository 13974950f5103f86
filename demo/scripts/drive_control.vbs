' Creates the control by its ProgID, as any script host does, drives it and prints what it reads back.
Option Explicit
Dim bar
Set bar = CreateObject("ZarnelX2Pro.ZarnelX")
WScript.Echo "created ZarnelX2Pro.ZarnelX"
WScript.Echo "defaults: Min=" & bar.Min & " Max=" & bar.Max & " Position=" & bar.Position & _
  " ShowText=" & bar.ShowText & " ColorLeft=&H" & Hex(bar.ColorLeft)
bar.Text = "Copying "
bar.Position = 57
bar.AddPosition 10
WScript.Echo "after Text=""Copying "", Position=57, AddPosition 10: Position=" & bar.Position & _
  " Text=""" & bar.Text & """ caption width=" & bar.TextW & " px"
bar.Font.Size = 12
WScript.Echo "font: " & bar.Font.Name & " " & bar.Font.Size & " pt"
On Error Resume Next
bar.LoadFromResourceID 0, 9999
WScript.Echo "LoadFromResourceID 0, 9999 raised error &H" & Hex(Err.Number)
WScript.Quit 0
