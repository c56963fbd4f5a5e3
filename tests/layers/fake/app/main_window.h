#pragma once
int MainWindow();
