@echo off
rem Runs dayplotw.exe from this file's folder, in the folder it was started from (a
rem double-click starts it in its own), then keeps the window open until a key is pressed:
rem a double-clicked console closes as soon as its program ends, before the charts are read.
rem Ends with the program's status. ASCII only: cmd reads this file in the console's code page.
"%~dp0dayplotw.exe"
set status=%errorlevel%
pause
exit /b %status%
