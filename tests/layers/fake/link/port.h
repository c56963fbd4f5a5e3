#pragma once
int Port();
