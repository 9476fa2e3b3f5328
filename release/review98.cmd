@echo off
rem A text of the characters you missed, dropped on this file, becomes a
rem spaced practice file with Wubi 98 codes beside it: each character four
rem times, coming back at growing distances.
"%~dp0practice_tool.exe" --wubi=98 %* --spaced
pause
