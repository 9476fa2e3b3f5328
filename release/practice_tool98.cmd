@echo off
rem Text files dropped on this file become practice files with Wubi 98 codes,
rem beside each file, as practice_tool.exe makes them with Wubi 86 codes.
"%~dp0practice_tool.exe" --wubi=98 %*
pause
